// SPDX-License-Identifier: MIT
#include "menus/FileManagerMenus.h"
#include "menus/ContextMenuItems.h"
#include "menus/MenuCommand.h"
#include "menus/ThunarActions.h"
#include "platform/Registry.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include "ConfigFolder.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QProcessEnvironment>
#include <QSettings>
#include <QXmlStreamReader>

namespace {

// A user's own action, with an escaped text and a comment, to be kept as it is.
const QByteArray kUserActions = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n<action>\n"
    "\t<name>Open Terminal Here</name>\n\t<unique-id>1700000000000000-1</unique-id>\n"
    "\t<command>exo-open --working-directory %f --launch TerminalEmulator</command>\n"
    "\t<description>My own &amp; only</description>\n\t<patterns>*</patterns>\n"
    "\t<directories/>\n</action>\n<!-- kept as it is -->\n</actions>\n");

// Thunar's own system file as Thunar 4.18 installs it in /etc/xdg: a
// document type, a comment, indentation, translated names and no id.
const QByteArray kThunarSystemActions = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE actions [\n"
    "  <!ELEMENT actions (action)+>\n\n  <!ELEMENT startup-notify EMPTY>\n]>\n\n"
    "<!--\n  Default thunar-uca configuration file, which gets installed system-wide.\n-->\n\n"
    "<actions>\n\n  <action>\n    <icon>utilities-terminal</icon>\n"
    "    <patterns>*</patterns>\n    <range></range>\n    <name>Open Terminal Here</name>\n"
    "    <name xml:lang=\"de\">Terminal hier \xc3\xb6"
    "ffnen</name>\n"
    "    <command>exo-open --working-directory %f --launch TerminalEmulator</command>\n"
    "    <description>Example for a custom action</description>\n    <startup-notify/>\n"
    "    <directories/>\n  </action>\n\n</actions>\n");

// The value of key in a desktop entry or Nemo action, in group, unescaped
// as their key-file readers do; one they would refuse reads as "?".
QString ValueIn(const QString& file, const QString& group, const QString& key) {
    const QString raw = QString::fromUtf8(ReadFile(file))
                            .section(group, 1)
                            .section(u'\n' + key + u'=', 1)
                            .section(u'\n', 0, 0);
    QString value;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\') {
            value += raw[i];
            continue;
        }
        const QChar next = i + 1 < raw.size() ? raw[++i] : QChar();
        const qsizetype known = u"\\stnr;"_s.indexOf(next);
        if (known < 0)
            return u"?"_s;
        value += u"\\ \t\n\r;"_s[known];
    }
    return value;
}

// The program and arguments Dolphin makes of an Exec value, %F given the
// files: the desktop entry's quoting, and Dolphin's own way with percent
// signs, undoing %% outside quotes only.
QStringList AsDolphinRunsIt(const QString& value, const QStringList& files) {
    QStringList words;
    QString word;
    bool quoted = false, inWord = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (quoted && c == u'\\' && i + 1 < value.size()) {
            word += value[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == u' ' && !quoted) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += (!quoted && c == u'%' && value.mid(i, 2) == u"%%"_s) ? value[++i] : c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    QStringList argv;
    for (const QString& w : words)
        argv << (w == u"%F"_s ? files : QStringList{w});
    return argv;
}

QString SingleQuoted(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', u"'\\''"_s) + u'\'';
}

// Nemo's own quoting of a file: a backslash before each sign a shell reads.
QString BackslashEscaped(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c.unicode() < 128 && !c.isLetterOrNumber() && !u"/._-"_s.contains(c))
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

// A command line as Thunar and Nemo expand it for a shell to split: %F
// the files, each quoted their way, and %% a percent sign.
QString Expanded(const QString& command, const QStringList& files,
                 QString (*quote)(const QString&)) {
    QString line;
    for (qsizetype i = 0; i < command.size(); ++i) {
        if (command[i] != u'%' || i + 1 == command.size()) {
            line += command[i];
        } else if (command[++i] == u'F') {
            QStringList quoted;
            for (const QString& file : files)
                quoted << quote(file);
            line += quoted.join(u' ');
        } else {
            line += command[i];
        }
    }
    return line;
}

// The command of the action in a uca.xml that the menu shows as name.
QString ThunarCommand(const QByteArray& xml, const QString& name) {
    QXmlStreamReader reader(xml);
    QString shown, command;
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == u"name"_s)
            shown = reader.readElementText();
        else if (reader.isStartElement() && reader.name() == u"command"_s)
            command = reader.readElementText();
        else if (reader.isEndElement() && reader.name() == u"action"_s && shown == name)
            return command;
        else if (!reader.isStartElement())
            reader.readNext();
    }
    return {};
}

// Every file-manager folder of the test is its own.
class FileManagerMenusTest : public ConfigFolderTest {
protected:
    void SetUp() override {
        ConfigFolderTest::SetUp();
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        qputenv("XDG_CONFIG_DIRS", system_.path().toUtf8());
        // A program folder whose name needs every kind of quoting.
        program_ = tools_.filePath(u"it's \"my\" $HOME `x` \\ 100%/tessary-menu"_s);
        RecordingProgram(program_, tools_.filePath(u"record"_s));
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_DIRS");
    }

    QStringList Recorded() const { return RecordedArguments(tools_.filePath(u"record"_s)); }
    QStringList Install(const QList<ContextMenuItem>& items) const {
        QStringList errors;
        EXPECT_TRUE(FileManagerMenus(program_).Install(items, errors))
            << qPrintable(errors.join('\n'));
        return errors;
    }
    void Uninstall() const {
        QStringList errors;
        EXPECT_TRUE(FileManagerMenus(program_).Uninstall(errors)) << qPrintable(errors.join('\n'));
    }
    // Every file under the test's data and configuration folders.
    QStringList OurFiles() const {
        QStringList files;
        for (const QString& root : {data_.path(), ConfigPath()}) {
            QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        }
        files.sort();
        return files;
    }
    // How each file manager starts item `index` on files: Nautilus its
    // script (which adds --nautilus), Thunar and Nemo their command line
    // through a shell, Dolphin its Exec.
    struct Start {
        const char* by;
        QStringList argv;
    };
    QList<Start> Starts(const QList<ContextMenuItem>& items, qsizetype index,
                        const QStringList& files) const {
        const ContextMenuItem& item = items[index];
        const QString nemo =
            ValueIn(FileManagerMenus::NemoFile(item), u"[Nemo Action]"_s, u"Exec"_s);
        const QString thunar = ThunarCommand(ReadFile(FileManagerMenus::ThunarFile()), item.name);
        const QString dolphin = ValueIn(FileManagerMenus::DolphinFile(),
                                        u"[Desktop Action "_s + item.id + u']', u"Exec"_s);
        return {{"Nautilus", QStringList{FileManagerMenus::NautilusFile(items, index)} + files},
                {"Thunar", {u"sh"_s, u"-c"_s, Expanded(thunar, files, SingleQuoted)}},
                {"Nemo", {u"sh"_s, u"-c"_s, Expanded(nemo, files, BackslashEscaped)}},
                {"Dolphin", AsDolphinRunsIt(dolphin, files)}};
    }

    QTemporaryDir data_;
    QTemporaryDir system_;
    QTemporaryDir tools_;
    QString program_;
};

TEST(ContextMenuItemsTest, TheFlagsChooseTheItemsAndTheirCommands) {
    struct Case {
        uint32_t main, resize, asDefault, andMail, defaultAndMail, presets;
        const char* names; // "|" between them
        QList<uint32_t> commands;
    } const cases[] = {
        // clang-format off
        {1, 1, 1, 1, 1, 0, "Resize|Resize as default setting|Resize as default setting and mail", {0, 1, 2}},
        {1, 1, 1, 1, 0, 0, "Resize|Resize as default setting|Display resize dialog then mail", {0, 1, 0}},
        {1, 0, 1, 0, 1, 0, "Resize as default setting", {1}},
        {1, 0, 0, 0, 1, 1, "Resize with preset \u25b8 Web 1600|Resize with preset \u25b8 Mail small|"
                           "Resize with preset \u25b8 Square 1080 for social media|"
                           "Resize with preset \u25b8 Thumbnail 320", {3, 3, 3, 3}},
        {0, 1, 1, 1, 1, 1, "", {}},
        // clang-format on
    };
    for (const Case& c : cases) {
        AppSettings settings;
        settings.extTessary = c.main;
        settings.extResize = c.resize;
        settings.extResizeAsDefaultSetting = c.asDefault;
        settings.extResizeAndMail = c.andMail;
        settings.extResizeDefaultAndMail = c.defaultAndMail;
        settings.extPresets = c.presets;
        QStringList names;
        QList<uint32_t> commands;
        for (const ContextMenuItem& item : ContextMenuItems(settings)) {
            names << item.name;
            commands << item.command;
        }
        EXPECT_EQ(names.join(u'|'), QString::fromUtf8(c.names));
        EXPECT_EQ(commands, c.commands);
    }
}

// Each file manager's own way of quoting and expanding its command brings
// the files to tessary-menu as they were chosen; once Tessary is gone, the
// item tells the user what to do, in the desktop's dialog program.
TEST_F(FileManagerMenusTest, EveryFileManagerRunsTheMenuProgramWithTheFilesAsGiven) {
    QString error;
    ASSERT_TRUE(PresetStore().Save(u"it's \"q\" 100% $HOME/x"_s, ResizeSettings(), error));
    const QList<ContextMenuItem> items = ContextMenuItems(AppSettings());
    Install(items);
    const QStringList files{u"/p/-leading dash.jpg"_s, u"/p/it's \"q\" 50%1.png"_s,
                            u"/p/\u00e9t\u00e9 $HOME \\ `x`.tif"_s};
    const std::tuple<qsizetype, QStringList, QStringList> cases[] = {
        {2, files, QStringList{"--command", "2", "--pictures-only", "--"} + files},
        {items.size() - 1,
         {u"/p/a.jpg"_s},
         {"--command", "3", "--preset", "it's \"q\" 100% $HOME/x", "--pictures-only", "--",
          "/p/a.jpg"}},
    };
    for (const auto& [index, given, expected] : cases) {
        for (const Start& start : Starts(items, index, given)) {
            ASSERT_FALSE(start.argv.isEmpty()) << start.by;
            if (start.argv.first() == u"sh"_s)
                Oracle(start.argv.first(), start.argv.mid(1));
            else
                EXPECT_EQ(RunTool(start.argv.first(), start.argv.mid(1)).exitCode, 0) << start.by;
            QStringList wanted = expected;
            if (start.by == std::string("Nautilus"))
                wanted.insert(wanted.indexOf(u"--"_s), u"--nautilus"_s);
            EXPECT_EQ(Recorded(), wanted) << start.by;
            QFile::remove(tools_.filePath(u"record"_s));
        }
    }
    const QByteArray nemo = ReadFile(FileManagerMenus::NemoFile(items[2]));
    EXPECT_TRUE(nemo.contains("\nExtensions=jpg;jpeg;bmp;gif;ico;png;tiff;pcx;webp;avif;heic;heif;"
                              "jxl;tif;jpe;jfif;dir;\n"));
    EXPECT_EQ(ValueIn(FileManagerMenus::NemoFile(items[2]), u"[Nemo Action]"_s, u"Dependencies"_s),
              program_ + u';');
    const QString dolphin = FileManagerMenus::DolphinFile();
    EXPECT_TRUE(QFileInfo(dolphin).isExecutable());
    EXPECT_EQ(Oracle(u"desktop-file-validate"_s, {dolphin}).out, QString());
    EXPECT_TRUE(ReadFile(dolphin).contains("image/jxl;inode/directory;"));

    // Tessary removed: every item says so, and what to do, in a window.
    QFile::remove(program_);
    const QString dialog = tools_.filePath(u"bin/zenity"_s);
    QDir().mkpath(QFileInfo(dialog).path());
    RecordingProgram(dialog, tools_.filePath(u"told"_s));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PATH"_s, QFileInfo(dialog).path() + u':' + environment.value(u"PATH"_s));
    for (const Start& start : Starts(items, 2, files)) {
        if (start.argv.first() == u"sh"_s)
            Oracle(start.argv.first(), start.argv.mid(1), {127}, {}, environment.toStringList());
        else
            EXPECT_EQ(RunTool(start.argv.first(), start.argv.mid(1), {}, 60000,
                              environment.toStringList())
                          .exitCode,
                      127)
                << start.by;
        EXPECT_EQ(RecordedArguments(tools_.filePath(u"told"_s)),
                  (QStringList{u"--error"_s, u"--text="_s + kProgramGoneText}))
            << start.by;
        QFile::remove(tools_.filePath(u"told"_s));
    }
}

// Whatever the user's uca.xml holds, and however it is encoded, their
// actions stay in sight beside ours, a second install changes nothing, and
// uninstalling gives the file back byte for byte; ours are told from theirs
// by our record, even after Thunar has written the file anew. Fewer items
// chosen take ours away, never theirs.
TEST_F(FileManagerMenusTest, AUsersThunarFileComesBackByteForByte) {
    QByteArray namedLikeOurs = kUserActions;
    namedLikeOurs.replace("1700000000000000-1", "tessary-01-resize");
    // Declared Latin-1, in the bytes that Thunar can read.
    const QByteArray latin1 = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<actions>\n<action>\n"
        "\t<name>R&#xE9;sum&#xE9;</name>\n\t<unique-id>1-1</unique-id>\n\t<command>true</command>\n"
        "\t<patterns>*</patterns>\n\t<directories/>\n</action>\n</actions>");
    struct Case {
        const char* what;
        QByteArray file;
        QByteArray system;
    } const cases[] = {
        {"a user's own action", kUserActions, {}},
        {"an action whose id begins with tessary-", namedLikeOurs, {}},
        {"an empty list", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions/>\n", {}},
        {"an empty list on one line", "<actions></actions>", kThunarSystemActions},
        {"an empty list after a byte order mark", "\xEF\xBB\xBF<actions/>\n", {}},
        {"a copy of the system's", kThunarSystemActions, kThunarSystemActions},
        {"a Latin-1 file", latin1, {}},
    };
    const QList<ContextMenuItem> items = ContextMenuItems(AppSettings());
    const QString systemFile = system_.filePath(u"Thunar/uca.xml"_s);
    for (const Case& c : cases) {
        QFile::remove(systemFile);
        if (!c.system.isEmpty())
            WriteFile(systemFile, c.system);
        WriteFile(FileManagerMenus::ThunarFile(), c.file);
        for (int round = 0; round < 2; ++round) {
            Install(items);
            const QByteArray installed = ReadFile(FileManagerMenus::ThunarFile());
            EXPECT_EQ(installed.count("<action>"), c.file.count("<action>") + 7) << c.what;
            const qsizetype theirs = c.file.indexOf("<action>");
            EXPECT_TRUE(theirs < 0 || installed.contains(
                                          c.file.mid(theirs, c.file.indexOf("</action>") - theirs)))
                << c.what;
            Install(items);
            EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), installed) << c.what;
            Uninstall();
            EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), c.file) << c.what;
        }
    }
    // In its own encoding: the user's bytes as they were, ours by reference.
    Install(items);
    const QByteArray installed = ReadFile(FileManagerMenus::ThunarFile());
    EXPECT_TRUE(installed.contains("R&#xE9;sum&#xE9;") &&
                installed.contains("preset &#x25B8; Web"));
    EXPECT_FALSE(installed.contains("\xe2\x96\xb8"));
    Uninstall();

    WriteFile(FileManagerMenus::ThunarFile(), kUserActions);
    Install(items);
    AppSettings fewer;
    fewer.extResize = fewer.extResizeAndMail = fewer.extPresets = 0;
    Install(ContextMenuItems(fewer));
    EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()).count("<action>"), 2);
    Uninstall();
    EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), kUserActions);

    // Thunar lays out the whole file its own way when it saves it.
    WriteFile(FileManagerMenus::ThunarFile(), namedLikeOurs);
    Install(items);
    WriteFile(FileManagerMenus::ThunarFile(),
              ReadFile(FileManagerMenus::ThunarFile()).replace("\n\t<", "\n    <"));
    Uninstall();
    const QByteArray rewritten = ReadFile(FileManagerMenus::ThunarFile());
    EXPECT_EQ(rewritten.count("<action>"), 1);
    EXPECT_TRUE(rewritten.contains("<unique-id>tessary-01-resize</unique-id>"));
}

// Files that look like ours, and actions that name tessary-menu, are not
// ours: nothing is installed until we record it, and a preset saved
// before then, or after uninstalling, writes no item.
TEST_F(FileManagerMenusTest, OnlyWhatWeRecordedIsInstalled) {
    QByteArray mentions = kUserActions;
    mentions.replace("1700000000000000-1", "tessary-mine")
        .replace("exo-open --working-directory %f --launch TerminalEmulator",
                 "tessary-menu --command 1 --pictures-only -- %F");
    WriteFile(FileManagerMenus::ThunarFile(), mentions);
    const QByteArray script = "#!/bin/sh\n# Written by tessary-menu --install\n";
    const QString resize = FileManagerMenus::NautilusFolder() + u"/Resize"_s;
    WriteFile(resize, script);
    const QList<ContextMenuItem> items = ContextMenuItems(AppSettings());
    ASSERT_FALSE(FileManagerMenus::MenuProgram().isEmpty());
    const auto refreshWritesNothing = [&](const char* when) {
        const QStringList before = OurFiles();
        EXPECT_FALSE(FileManagerMenus::Installed()) << when;
        EXPECT_EQ(FileManagerMenus::Refresh(items), QStringList()) << when;
        EXPECT_EQ(OurFiles(), before) << when;
        EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), mentions) << when;
    };
    refreshWritesNothing("before installing");

    QStringList errors;
    EXPECT_FALSE(FileManagerMenus(program_).Install(items, errors)) << "one place was taken";
    EXPECT_EQ(errors, QStringList{resize + u" is not Tessary's; it was left as it is"_s});
    EXPECT_TRUE(FileManagerMenus::Installed());
    Uninstall();
    refreshWritesNothing("after uninstalling");
    EXPECT_EQ(ReadFile(resize), script);
}

// Installing makes folders and settings files where there were none;
// uninstalling takes away those, and only those, that hold nothing else.
TEST_F(FileManagerMenusTest, UninstallTakesAwayWhatInstallingMadeAndNothingElse) {
    // Thunar's system actions are shown when the user has no file of their own.
    WriteFile(system_.filePath(u"Thunar/uca.xml"_s), kThunarSystemActions);
    qputenv("XDG_DATA_HOME", data_.filePath(u"made/share"_s).toUtf8());
    const QStringList missing = FileManagerMenus::MissingSettings();
    const QList<ContextMenuItem> items = ContextMenuItems(AppSettings()); // makes the settings
    QStringList errors;
    ASSERT_TRUE(FileManagerMenus(program_).Install(items, errors, missing));
    const QByteArray installed = ReadFile(FileManagerMenus::ThunarFile());
    EXPECT_EQ(installed.count("<action>"), 1 + 3 + 4) << "the system's action stays in sight";
    EXPECT_TRUE(installed.contains("<name xml:lang=\"de\">Terminal hier \xc3\xb6"
                                   "ffnen</name>"));
    // A file of the user's own among ours; the options turning every item
    // off, which leaves the settings; a settings file changed since.
    const QString mine = QFileInfo(FileManagerMenus::NemoFile(items[0])).path() + u"/mine"_s;
    WriteFile(mine, "x");
    Install({});
    EXPECT_TRUE(QFile::exists(RegistryKey::FilePath()) && QFile::exists(PresetStore::FilePath()))
        << "turning the items off keeps the settings";
    QString error;
    ASSERT_TRUE(PresetStore().Save(u"Mine"_s, ResizeSettings(), error));
    Uninstall();
    EXPECT_EQ(EntriesUnder(data_.path()),
              (QStringList{"made", "made/share", "made/share/nemo", "made/share/nemo/actions",
                           "made/share/nemo/actions/mine"}));
    EXPECT_EQ(EntriesUnder(ConfigPath()), (QStringList{"Vorn", "Vorn/tsy-presets.conf"}));
}

// Presets, old and new, follow the three items in menu order wherever a
// file manager sorts by name; no name hides an item, breaks it or makes
// two of one.
TEST_F(FileManagerMenusTest, PresetItemsFollowResizeInOrderUnderSafeNames) {
    // Names that an older Tessary stored, and enough for two-digit places.
    const QStringList names{"..", ".hidden", "Web 1600 ", "Web 1600", "a/b", "a\u2215b", "50% %f",
                            "p8", "p9",      "p10",       "p11",      "p12", "p13",      "p14"};
    {
        QSettings file(PresetStore::FilePath(), QSettings::IniFormat);
        file.beginWriteArray(u"presets"_s, int(names.size()));
        for (int i = 0; i < names.size(); ++i) {
            file.setArrayIndex(i);
            file.setValue(u"name"_s, names[i]);
        }
        file.endArray();
    }
    const QList<ContextMenuItem> items = ContextMenuItems(AppSettings());
    ASSERT_EQ(items.size(), 3 + names.size());
    Install(items);
    QStringList inMenuOrder, nemo;
    for (const ContextMenuItem& item : items)
        inMenuOrder << QFileInfo(FileManagerMenus::NemoFile(item)).fileName();
    for (const QString& name :
         QDir(QFileInfo(FileManagerMenus::NemoFile(items[0])).path()).entryList(QDir::Files))
        nemo << name;
    std::sort(nemo.begin(), nemo.end());
    EXPECT_EQ(nemo, inMenuOrder);
    EXPECT_EQ(ValueIn(FileManagerMenus::NemoFile(items[0]), u"[Nemo Action]"_s, u"Name"_s),
              u"Tessary \u25b8 Resize"_s);
    EXPECT_TRUE(ValueIn(FileManagerMenus::NemoFile(items[9]), u"[Nemo Action]"_s, u"Name"_s)
                    .endsWith(u"50%% %%f"_s));
    QStringList actions =
        ValueIn(FileManagerMenus::DolphinFile(), u"[Desktop Entry]"_s, u"Actions"_s)
            .split(u';', Qt::SkipEmptyParts);
    ASSERT_EQ(actions.size(), items.size());
    EXPECT_EQ(actions.first(), u"01-resize"_s);
    EXPECT_TRUE(std::is_sorted(actions.begin(), actions.end()));

    QStringList scripts;
    for (qsizetype i = 3; i < items.size(); ++i) {
        const QString name = QFileInfo(FileManagerMenus::NautilusFile(items, i)).fileName();
        EXPECT_TRUE(QFileInfo(FileManagerMenus::NautilusFile(items, i)).isExecutable())
            << qPrintable(name);
        EXPECT_FALSE(name.startsWith(u'.') || name.contains(u'%') || name != name.trimmed())
            << qPrintable(name);
        scripts << name;
    }
    scripts.removeDuplicates();
    EXPECT_EQ(scripts.size(), names.size());
}

TEST(DesktopEntryTest, OpensThePictureTypesThatTheMenuItemsAreOfferedFor) {
    const QStringList lines =
        QString::fromUtf8(ReadFile(QStringLiteral(TESSARY_DATA_DIR "/org.vorn.Tessary.desktop")))
            .split(u'\n');
    for (const QString& line : {u"Name="_s + AppText::MainTitle, u"Icon="_s + AppId::IconName,
                                u"MimeType="_s + FileManagerMenus::MimeTypes().join(u';') + u';'})
        EXPECT_TRUE(lines.contains(line)) << qPrintable(line);
}

TEST_F(FileManagerMenusTest, AThunarFileWeCannotReadIsLeftAsItIs) {
    const QByteArray unread[] = {
        "<actions><action><name>Mine</action>",
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<actions>\n</actions>\n",
        "<actions>\n<action><name>\xe9</name></action>\n</actions>\n",
        // Well-formed Latin-1, which Thunar does not read at all.
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<actions>\n<action>\n"
        "\t<name>R\xe9sum\xe9</name>\n\t<command>true</command>\n</action>\n</actions>\n",
    };
    for (const QByteArray& file : unread) {
        WriteFile(FileManagerMenus::ThunarFile(), file);
        QStringList errors;
        EXPECT_FALSE(FileManagerMenus(program_).Install(ContextMenuItems(AppSettings()), errors));
        EXPECT_TRUE(errors.size() == 1 && errors[0].contains(FileManagerMenus::ThunarFile()))
            << qPrintable(errors.join('\n'));
        EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), file);
        EXPECT_TRUE(QFile::exists(FileManagerMenus::DolphinFile())) << "the others are written";
    }
    QString why;
    EXPECT_FALSE(RewriteThunarActions("<menu></menu>", {}, {}, why));
    EXPECT_FALSE(RewriteThunarActions("", {}, {}, why));
}

} // namespace
