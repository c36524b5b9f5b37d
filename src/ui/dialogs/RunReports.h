#pragma once

class QWidget;

namespace lw {

class Clock;
class FileChooser;
class IniFile;
class Messages;
class TDM;

// The Reports command: with no group in the database, the plain message
// "No account Information to print!"; otherwise the report selection dialog,
// centred over the owner, until it is closed. Nothing without a database.
void RunReports(QWidget* owner, TDM& dm, IniFile& settings, Messages& messages, FileChooser& files, const Clock& clock);

} // namespace lw
