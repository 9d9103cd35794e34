// Qt's own texts that the program shows, under the contexts Qt 6.4 looks them up in, so
// that lupdate keeps them in our .ts files and the build checks them like our own. Read
// by lupdate only; never compiled. The program carries no catalogue of Qt's: a text Qt
// shows that is missing here stays English.
#include <QtGlobal>

// The message box's only button: QPlatformTheme::defaultStandardButtonText(), and on GNOME,
// Cinnamon, MATE, Unity, Xfce and LXDE QGnomeTheme::standardButtonText().
[[maybe_unused]] static const char *const kMessageBox[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    //: & marks the access key.
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
};

// The text boxes' context menu: QLineEdit::createStandardContextMenu().
[[maybe_unused]] static const char *const kTextBoxMenu[] = {
    //: Text box menu; & marks the access key, unique within the menu.
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    //: Text box menu; & marks the access key, unique within the menu.
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    //: Text box menu; & marks the access key, unique within the menu.
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    //: Text box menu; & marks the access key, unique within the menu.
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    //: Text box menu; & marks the access key, unique within the menu.
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    //: Text box menu: deletes the selected text.
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    //: Text box menu.
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

// The keys beside those entries ("Ctrl+Shift+Z"): QKeySequence::toString(NativeText).
[[maybe_unused]] static const char *const kShortcutKeys[] = {
    //: The Control key's name as printed on keyboards sold for the language.
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
    //: The Shift key's name as printed on keyboards sold for the language.
    QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    //: Joins the keys of a shortcut: Ctrl+C.
    QT_TRANSLATE_NOOP("QShortcut", "+"),
};

// On Windows with a right-to-left keyboard installed, the text box menu ends with this
// submenu (QUnicodeControlCharacterMenu). Each entry keeps its abbreviation.
[[maybe_unused]] static const char *const kControlCharacterMenu[] = {
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "Insert Unicode control character"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "LRM Left-to-right mark"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "RLM Right-to-left mark"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "ZWJ Zero width joiner"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "ZWNJ Zero width non-joiner"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "ZWSP Zero width space"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "LRE Start of left-to-right embedding"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "RLE Start of right-to-left embedding"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "LRO Start of left-to-right override"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "RLO Start of right-to-left override"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "PDF Pop directional formatting"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "LRI Left-to-right isolate"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "RLI Right-to-left isolate"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "FSI First strong isolate"),
    QT_TRANSLATE_NOOP("QUnicodeControlCharacterMenu", "PDI Pop directional isolate"),
};

// The command line's complaints that come from QCommandLineParser::parse() (the program
// words the others itself). The program drops the final full stop.
[[maybe_unused]] static const char *const kCommandLine[] = {
    //: %1 is the option as typed, such as -t.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    //: %1 is the option as typed, such as --json, given a value it does not take.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};
