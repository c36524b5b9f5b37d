#include "ReportTemplates.h"

namespace lw {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);

const QString kArial = QStringLiteral("Arial");
const QString kTimes = QStringLiteral("Times New Roman");

PageSetup letter(Length top, Length bottom, Length left, Length right)
{
    return {QStringLiteral("Letter 8 1/2 x 11 in"), 215900, 279401, top, bottom, left, right};
}

ReportElement label(QString name, QString text, FontStyle font, TextAlign align, Length left, Length top, Length width,
                    Length height)
{
    ReportElement e;
    e.name = std::move(name);
    e.kind = ElementKind::Label;
    e.text = std::move(text);
    e.font = std::move(font);
    e.align = align;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
}

// A label of fixed size: what does not fit is cut.
ReportElement fixedLabel(QString name, FontStyle font, Length left, Length top, Length width, Length height)
{
    ReportElement e = label(std::move(name), QString(), std::move(font), TextAlign::Left, left, top, width, height);
    e.cutAtWidth = true;
    return e;
}

ReportElement dataText(QString name, QString field, FontStyle font, Length left, Length top, Length width,
                       Length height)
{
    ReportElement e = label(std::move(name), QString(), std::move(font), TextAlign::Left, left, top, width, height);
    e.kind = ElementKind::DataText;
    e.field = std::move(field);
    e.cutAtWidth = true;
    return e;
}

ReportElement sizedText(QString name, QString field, FontStyle font, Length left, Length top, Length width,
                        Length height)
{
    ReportElement e = dataText(std::move(name), std::move(field), std::move(font), left, top, width, height);
    e.sizedToText = true;
    e.cutAtWidth = false;
    return e;
}

ReportElement dateText(QString name, QString field, FontStyle font, Length left, Length top, Length width,
                       Length height)
{
    ReportElement e = dataText(std::move(name), std::move(field), std::move(font), left, top, width, height);
    e.dateText = true;
    return e;
}

ReportElement inRegion(ReportElement e, const QString& region)
{
    e.region = region;
    return e;
}

ReportBand band(BandKind kind, Length height, std::vector<ReportElement> elements = {})
{
    return {kind, height, true, std::move(elements)};
}

} // namespace

ReportTemplate ppRptPasswords()
{
    const FontStyle title{kArial, 14, kBlack};
    const FontStyle date{kArial, 8, kBlack};
    const FontStyle groupName{kArial, 12, kBlack, true};
    const FontStyle description{kArial, 10, kMaroon};
    const FontStyle caption{kTimes, 9, kNavy};
    const FontStyle value{kTimes, 9, kBlack};
    const QString region = QStringLiteral("rgnAccount");
    const auto right = TextAlign::Right;

    ReportElement account;
    account.name = region;
    account.kind = ElementKind::Region;
    account.width = 189177;
    account.height = 27252;
    account.grows = true;

    ReportElement notes = dataText("memoNotes", "Notes", value, 16140, 20902, 128323, 4498);
    notes.kind = ElementKind::Memo;
    notes.cutAtWidth = false;
    notes.grows = true;
    notes.keepBelow = 5080;

    ReportElement separator;
    separator.name = QStringLiteral("lnSeparator");
    separator.kind = ElementKind::Line;
    separator.left = 529;
    separator.top = 27517;
    separator.width = 187061;
    separator.height = 1323;
    separator.lineWeight = 0.75;
    separator.shiftWith = region;

    ReportTemplate t;
    t.name = QStringLiteral("ppRptPasswords");
    t.documentName = t.name;
    t.page = letter(6350, 6350, 15240, 6350);
    t.group = {QStringLiteral("Name"), true, false, false};
    t.titleLabel = QStringLiteral("lblTitle");
    t.dateLabel = QStringLiteral("txtDate");
    t.bands = {
        band(BandKind::Title, 6615,
             {fixedLabel("lblTitle", title, 265, 265, 126736, 5821),
              fixedLabel("txtDate", date, 156369, 1323, 29633, 3704)}),
        band(BandKind::PageHeader, 0),
        band(BandKind::GroupHeader, 7144, {sizedText("txtName", "Name", groupName, 794, 1588, 11642, 5027)}),
        band(BandKind::Detail, 29898,
             {account,
              inRegion(sizedText("txtDescription", "Description", description, 1323, 2117, 17198, 4233), region),
              inRegion(label("lblID", "ID:", caption, right, 10583, 8202, 4233, 3969), region),
              inRegion(dataText("txtID", "ID", value, 16140, 8202, 123296, 3969), region),
              inRegion(label("lblPassword", "Password:", caption, right, 1587, 12435, 13229, 3969), region),
              inRegion(dataText("txtPassword", "Password", value, 16140, 12435, 123031, 3969), region),
              inRegion(label("lblInternet", "Internet:", caption, right, 3969, 16669, 10848, 3969), region),
              inRegion(dataText("txtURL", "URL", value, 16140, 16669, 126207, 3969), region),
              inRegion(label("lblNotes", "Notes:", caption, right, 6350, 20902, 8467, 3969), region),
              inRegion(notes, region),
              inRegion(label("lblAssigned", "Assigned:", caption, right, 141817, 7673, 12435, 3969), region),
              inRegion(dateText("txtAssignDate", "AssignDate", value, 155046, 7673, 20902, 3969), region),
              inRegion(label("lblExpires", "Expires:", caption, right, 143934, 12700, 10319, 3969), region),
              inRegion(dateText("txtExpireDate", "ExpireDate", value, 155046, 12700, 20902, 3969), region), separator}),
        band(BandKind::PageFooter, 0),
        band(BandKind::GroupFooter, 0),
    };
    return t;
}

ReportTemplate ppRptConcise()
{
    const FontStyle title{kArial, 14, kBlack};
    const FontStyle date{kArial, 8, kBlack};
    const FontStyle groupName{kArial, 12, kNavy, true};
    const FontStyle caption{kTimes, 9, kNavy};
    const FontStyle value{kTimes, 9, kBlack};
    const auto left = TextAlign::Left;

    ReportTemplate t;
    t.name = QStringLiteral("ppRptConcise");
    t.documentName = t.name;
    t.page = letter(12700, 12700, 15240, 12700);
    t.group = {QStringLiteral("Name"), true, false, false};
    t.titleLabel = QStringLiteral("ppRptConciseLabel1");
    t.dateLabel = QStringLiteral("txtDate1");
    t.bands = {
        band(BandKind::Title, 7144,
             {fixedLabel("ppRptConciseLabel1", title, 794, 265, 126736, 5821),
              fixedLabel("txtDate1", date, 156369, 1588, 29633, 3704)}),
        band(BandKind::GroupHeader, 10054,
             {sizedText("txtName", "Name", groupName, 794, 529, 11642, 5027),
              label("lblID", "ID", caption, left, 70908, 6085, 3440, 3969),
              label("lblPassword", "Password", caption, left, 117475, 6085, 12435, 3969),
              label("lblAssigned", "Assigned", caption, left, 149754, 6085, 11642, 3969),
              label("lblExpires", "Expires", caption, left, 169069, 6085, 9525, 3969)}),
        band(BandKind::Detail, 4233,
             {dataText("txtDescription", "Description", value, 1058, 0, 68263, 3969),
              dataText("txtID", "ID", value, 70644, 0, 45773, 3969),
              dataText("txtPassword", "Password", value, 117475, 0, 31485, 3969),
              dateText("txtAssignDate", "AssignDate", value, 149754, 0, 16669, 3969),
              dateText("txtExpireDate", "ExpireDate", value, 168805, 0, 16669, 3969)}),
        band(BandKind::GroupFooter, 2381),
        band(BandKind::PageFooter, 0),
    };
    return t;
}

} // namespace lw
