// SPDX-License-Identifier: MIT
#include "menus/FileManagerMenus.h"
#include "menus/ContextMenuItems.h"
#include "menus/ThunarActions.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include "ConfigFolder.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QStandardPaths>

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

// The program and arguments Dolphin makes of an Exec value, %F given the
// files: the desktop entry's escapes, its quoting, and Dolphin's own way
// with percent signs, undoing %% outside quotes only.
QStringList AsDolphinRunsIt(const QString& exec, const QStringList& files) {
    QString value = exec;
    value.replace(u"\\\\"_s, u"\\"_s);
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

TEST_F(FileManagerMenusTest, EveryFileManagerRunsTheMenuProgramWithTheFilesAsGiven) {
    QString error;
    ASSERT_TRUE(PresetStore().Save(u"it's \"q\" 100% $HOME/x"_s, ResizeSettings(), error));
    const QList<ContextMenuItem> items = ContextMenuItems(AppSettings());
    Install(items);
    // A preset's item hands its name on, however it is spelt.
    const QString presetScript =
        FileManagerMenus::NautilusFolder() + u"/Resize with preset/it's \"q\" 100% $HOME\u2215x"_s;
    EXPECT_EQ(RunTool(presetScript, {u"/p/a.jpg"_s}).exitCode, 0);
    EXPECT_EQ(Recorded(), (QStringList{"--command", "3", "--preset", "it's \"q\" 100% $HOME/x",
                                       "--pictures-only", "--", "/p/a.jpg"}));
    QString presetCommand = FileManagerMenus(program_).ShellCommand(items.last());
    Oracle(u"sh"_s, {u"-c"_s, presetCommand + u" /p/a.jpg"_s});
    EXPECT_EQ(Recorded()[3], u"it's \"q\" 100% $HOME/x"_s);
    const QStringList files{u"/p/-leading dash.jpg"_s, u"/p/it's \"q\".png"_s,
                            u"/p/\u00e9t\u00e9 $HOME.tiff"_s};
    const QStringList expected = QStringList{"--command", "2", "--pictures-only", "--"} + files;

    // Nautilus runs the script with the files as its arguments.
    const QString script =
        FileManagerMenus::NautilusFolder() + u"/Resize as default setting and mail"_s;
    EXPECT_TRUE(QFileInfo(script).isExecutable());
    EXPECT_EQ(RunTool(script, files).exitCode, 0);
    EXPECT_EQ(Recorded(), expected);

    // Thunar and Nemo put the quoted files for %F and split like a shell.
    QString quoted;
    for (const QString& file : files)
        quoted += u" '"_s + QString(file).replace(u'\'', u"'\\''"_s) + u'\'';
    QString command = FileManagerMenus(program_).ShellCommand(items[2]) + quoted;
    Oracle(u"sh"_s, {u"-c"_s, command});
    EXPECT_EQ(Recorded(), expected);
    EXPECT_TRUE(ReadFile(FileManagerMenus::ThunarFile()).contains("100%%/"));
    EXPECT_TRUE(
        ReadFile(FileManagerMenus::NemoFile(items[2]))
            .contains("Extensions=jpg;jpeg;bmp;gif;ico;png;tiff;pcx;webp;avif;heic;heif;jxl;dir;"));

    // Dolphin's service menu is a valid desktop entry for the picture types,
    // and runs from a folder whose name has a percent sign.
    const QString dolphin = FileManagerMenus::DolphinFile();
    const QString exec = QString::fromUtf8(ReadFile(dolphin))
                             .section(u"[Desktop Action resize-as-default-and-mail]"_s, 1)
                             .section(u"Exec="_s, 1)
                             .section(u'\n', 0, 0);
    const QStringList argv = AsDolphinRunsIt(exec, files);
    ASSERT_FALSE(argv.isEmpty());
    EXPECT_EQ(RunTool(argv.first(), argv.mid(1)).exitCode, 0) << qPrintable(exec);
    EXPECT_EQ(Recorded(), expected);
    EXPECT_TRUE(QFileInfo(dolphin).isExecutable());
    EXPECT_EQ(Oracle(u"desktop-file-validate"_s, {dolphin}).out, QString());
    EXPECT_TRUE(ReadFile(dolphin).contains("image/jxl;inode/directory;"));
    EXPECT_TRUE(ReadFile(dolphin).contains(
        "\nActions=resize;resize-as-default;resize-as-default-and-mail;preset-1;preset-2;"
        "preset-3;preset-4;preset-5;\n"));
    const QString presetExec = QString::fromUtf8(ReadFile(dolphin))
                                   .section(u"[Desktop Action preset-5]"_s, 1)
                                   .section(u"Exec="_s, 1)
                                   .section(u'\n', 0, 0);
    const QStringList presetArgv = AsDolphinRunsIt(presetExec, {u"/p/a.jpg"_s});
    ASSERT_FALSE(presetArgv.isEmpty());
    EXPECT_EQ(RunTool(presetArgv.first(), presetArgv.mid(1)).exitCode, 0) << qPrintable(presetExec);
    EXPECT_EQ(Recorded()[3], u"it's \"q\" 100% $HOME/x"_s);
}

TEST_F(FileManagerMenusTest, ThunarKeepsTheUsersOwnActionsAndInstallsOnce) {
    WriteFile(FileManagerMenus::ThunarFile(), kUserActions);
    Install(ContextMenuItems(AppSettings()));
    const QByteArray once = ReadFile(FileManagerMenus::ThunarFile());
    const qsizetype theirs = kUserActions.indexOf("<action>");
    EXPECT_EQ(once.count("<action>"), 1 + 3 + 4); // the user's, ours, the presets
    EXPECT_TRUE(
        once.contains(kUserActions.mid(theirs, kUserActions.indexOf("</action>") - theirs)));
    Install(ContextMenuItems(AppSettings()));
    EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), once) << "a second install changes nothing";

    AppSettings fewer;
    fewer.extResize = fewer.extResizeAndMail = fewer.extPresets = 0;
    Install(ContextMenuItems(fewer));
    EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()).count("<action>"), 2);

    QStringList errors;
    EXPECT_TRUE(FileManagerMenus(program_).Uninstall(errors));
    EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), kUserActions);
    // Thunar's own layout comes back byte for byte, however often.
    WriteFile(FileManagerMenus::ThunarFile(), kThunarSystemActions);
    for (int round = 0; round < 2; ++round) {
        Install(ContextMenuItems(AppSettings()));
        EXPECT_TRUE(FileManagerMenus(program_).Uninstall(errors));
    }
    EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), kThunarSystemActions);
}

TEST_F(FileManagerMenusTest, UninstallLeavesNothingOfOursBehind) {
    // Thunar's system actions are shown when the user has no file of their own.
    WriteFile(system_.filePath(u"Thunar/uca.xml"_s), kThunarSystemActions);
    const QList<ContextMenuItem> items = ContextMenuItems(AppSettings());
    const QStringList before = OurFiles();
    Install(items);
    const QByteArray installed = ReadFile(FileManagerMenus::ThunarFile());
    EXPECT_EQ(installed.count("<action>"), 1 + 3 + 4) << "the system's action stays in sight";
    EXPECT_TRUE(installed.contains("<name xml:lang=\"de\">Terminal hier \xc3\xb6"
                                   "ffnen</name>"));
    EXPECT_EQ(OurFiles().size(), before.size() + 1 + 7 + 7 + 1);
    // A file of the user's own that has a name we use is not ours to remove.
    WriteFile(FileManagerMenus::NautilusFolder() + u"/Rotate"_s, "#!/bin/sh\n");

    QStringList errors;
    EXPECT_TRUE(FileManagerMenus(program_).Uninstall(errors));
    QStringList kept = before + QStringList{FileManagerMenus::NautilusFolder() + u"/Rotate"_s};
    kept.sort();
    EXPECT_EQ(OurFiles(), kept);
    EXPECT_FALSE(QFile::exists(FileManagerMenus::ThunarFile()));

    // Without the user's file, the folders made for our items go too, and
    // so they do when the options turn every item off.
    QFile::remove(FileManagerMenus::NautilusFolder() + u"/Rotate"_s);
    Install(items);
    Install({});
    const auto entries = [](const QString& folder) {
        return QDir(folder)
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
            .join(u' ')
            .toStdString();
    };
    EXPECT_EQ(entries(data_.path()), "");
    EXPECT_EQ(entries(ConfigPath()), "Vorn") << "only the settings";
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
    const QByteArray broken = QByteArrayLiteral("<actions><action><name>Mine</action>");
    WriteFile(FileManagerMenus::ThunarFile(), broken);
    QStringList errors;
    EXPECT_FALSE(FileManagerMenus(program_).Install(ContextMenuItems(AppSettings()), errors));
    EXPECT_TRUE(errors.size() == 1 && errors[0].contains(FileManagerMenus::ThunarFile()))
        << qPrintable(errors.join('\n'));
    EXPECT_EQ(ReadFile(FileManagerMenus::ThunarFile()), broken);
    EXPECT_TRUE(QFile::exists(FileManagerMenus::DolphinFile())) << "the others are written";

    int remaining = 0;
    EXPECT_FALSE(RewriteThunarActions("<menu></menu>", u"tessary-"_s, {}, remaining));
    EXPECT_FALSE(RewriteThunarActions("", u"tessary-"_s, {}, remaining));
}

} // namespace
