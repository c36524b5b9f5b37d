// Widgets of the main window and dialogs live beside this file.
