// SPDX-License-Identifier: MIT
#include "ConfigFolder.h"
#include "TestSupport.h"

#include "platform/Registry.h"
#include "settings/AppSettings.h"

#include <QSettings>

#include <sys/stat.h>

namespace {

class AppSettingsTest : public ConfigFolderTest {
protected:
    void WriteValue(const QString& name, const QVariant& value) {
        QDir().mkpath(ConfigPath() + u"/Vorn"_s);
        QSettings settings(RegistryKey::FilePath(), QSettings::IniFormat);
        settings.setValue(u"setting/"_s + name, value);
    }
    QVariant StoredValue(const QString& name) {
        return QSettings(RegistryKey::FilePath(), QSettings::IniFormat).value(u"setting/"_s + name);
    }
};

// user.dat: exactly 5200 bytes count; a short file leaves both texts empty;
// bytes after the first zero, and after 5200, carry no meaning.
TEST_F(AppSettingsTest, UserDatIsReadOnlyWhenItHoldsAWholeRecord) {
    struct Case {
        int size;
        QString subject;
        QString body;
    };
    for (const Case& c : {Case{5199, {}, {}}, Case{5200, "Holiday", "Hi,\r\nphotos"},
                          Case{5300, "Holiday", "Hi,\r\nphotos"}}) {
        QByteArray bytes(c.size, 'x');
        bytes.replace(0, 8, QByteArray("Holiday\0", 8));
        bytes.replace(200, 12, QByteArray("Hi,\r\nphotos\0", 12));
        WriteFile(AppSettings::UserDataPath(), bytes);
        const AppSettings s;
        EXPECT_EQ(s.mailSubject, c.subject) << c.size;
        EXPECT_EQ(s.mailBody, c.body) << c.size;
    }
}

TEST_F(AppSettingsTest, OnlyTheValueNamedQualiltySetsTheJpegQuality) {
    WriteValue(u"quality"_s, 50);
    EXPECT_EQ(AppSettings().qualilty, 80u);
    WriteValue(u"qualilty"_s, 55);
    EXPECT_EQ(AppSettings().qualilty, 55u);
}

// A FIFO in place of the settings or of user.dat would never answer: the
// program starts with the defaults. Saving keeps nothing there, nor where
// the settings' folder is a file, and every save says why.
TEST_F(AppSettingsTest, SettingsThatCannotBeWrittenAreNeverWaitedForAndSayWhy) {
    QDir().mkpath(ConfigPath() + u"/Vorn/tsy"_s);
    for (const QString& path : {RegistryKey::FilePath(), AppSettings::UserDataPath()})
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    AppSettings s;
    EXPECT_EQ(std::tuple(s.qualilty, s.width, s.mailSubject), std::tuple(80u, 100u, QString()));
    s.width = 640;
    for (const bool folderIsAFile : {false, true}) {
        if (folderIsAFile && QDir(ConfigPath() + u"/Vorn"_s).removeRecursively())
            WriteFile(ConfigPath() + u"/Vorn"_s, "a file where the folder should be");
        for (const QString& why :
             {s.SaveResizeSettings(), s.SaveMenuAndMailSettings(), s.SaveLayoutSettings()})
            EXPECT_TRUE(why.contains(u"/Vorn/tsy"_s)) << qPrintable(why);
    }
    EXPECT_EQ(AppSettings().width, 100u);
}

// A value no batch can mean, unreadable or out of its range, reads as its
// default: a foreign or damaged settings file must not fail every picture.
TEST_F(AppSettingsTest, ValuesThatCannotBeMeantReadAsTheirDefaults) {
    WriteValue(u"width"_s, u"wide"_s);
    WriteValue(u"height"_s, u"99999999999"_s);
    WriteValue(u"cmto"_s, QString(300, u'a')); // longer than its buffer
    WriteValue(u"dest"_s, QString(260, u'd'));
    WriteValue(u"nametemplate"_s, QString(260, u'n'));
    const std::pair<const char*, int64_t> outOfRange[] = {
        {"qualilty", 300}, {"imagetype", 12}, {"xdpi", 0},           {"ydpi", 65536},
        {"rotate", 3},     {"override", 2},   {"maxkb", 4294967295}, {"onexists", 4}};
    for (const auto& [name, value] : outOfRange)
        WriteValue(QString::fromLatin1(name), uint32_t(value));
    const AppSettings s;
    const ResizeSettings defaults;
    EXPECT_EQ(std::tuple(s.width, s.height, s.cmto, s.dest, s.nametemplate),
              std::tuple(100u, 100u, QString(), QString(), u"{name}"_s));
    for (const auto& [name, value] : outOfRange) {
        const ResizeSettingsField* field = FindResizeSettingsField(QLatin1String(name));
        ASSERT_TRUE(field) << name;
        EXPECT_EQ(field->get(s), field->get(defaults)) << name;
    }
}

// Every stored value off its default, within its range, and texts with
// the characters their own formats use come back as they were saved.
TEST_F(AppSettingsTest, EveryResizeValueComesBackAsItWasSaved) {
    AppSettings s;
    for (const ResizeSettingsField& field : ResizeSettingsFields()) {
        if (field.get)
            field.set(s, field.highest == 1 ? 1 - field.get(s) : field.highest - 1);
    }
    s.dest = u"../out, \"ü\"; x=1"_s;
    s.nametemplate = u"{date}/{name}=;,"_s;
    s.also = u"dest=a\\,b;width=5"_s;
    ASSERT_EQ(s.SaveResizeSettings(), QString());
    const AppSettings loaded;
    for (const ResizeSettingsField& field : ResizeSettingsFields()) {
        if (field.get)
            EXPECT_EQ(field.get(loaded), field.get(s)) << qPrintable(field.name);
        else
            EXPECT_EQ(loaded.*field.text, s.*field.text) << qPrintable(field.name);
    }
}

TEST_F(AppSettingsTest, MailTextsAtTheirLimitsSurviveAndLongerOnesAreCutAtACharacter) {
    AppSettings s;
    s.mailSubject = QString(199, u's');
    s.mailBody = QString(4999, u'b');
    ASSERT_EQ(s.SaveMenuAndMailSettings(), QString());
    EXPECT_EQ(QFile(AppSettings::UserDataPath()).size(), 5200);
    const AppSettings loaded;
    EXPECT_EQ(std::pair(loaded.mailSubject, loaded.mailBody), std::pair(s.mailSubject, s.mailBody));
    // "é" takes two bytes: 100 of them do not fit in 199, and no half of
    // one may be stored.
    s.mailSubject = QString(100, QChar(0xE9));
    ASSERT_EQ(s.SaveMenuAndMailSettings(), QString());
    EXPECT_EQ(AppSettings().mailSubject, QString(99, QChar(0xE9)));
}

TEST_F(AppSettingsTest, MenuFlagsAreStoredUnderTheirNames) {
    AppSettings s;
    s.extTessary = 0;
    s.extResizeAndMail = 0;
    s.extResizeDefaultAndMail = 0;
    ASSERT_EQ(s.SaveMenuAndMailSettings(), QString());
    EXPECT_EQ(StoredValue(u"ExtTessary"_s).toInt(), 0);
    EXPECT_EQ(StoredValue(u"ExtResize"_s).toInt(), 1);
    const AppSettings loaded;
    EXPECT_EQ(std::tuple(loaded.extTessary, loaded.extResize, loaded.extResizeAndMail,
                         loaded.extResizeDefaultAndMail),
              std::tuple(0u, 1u, 0u, 0u));
}

TEST_F(AppSettingsTest, SavingTheLayoutTwiceWritesTheSamePlacementAndTheColumnWidths) {
    AppSettings s;
    s.windowPlacement = {44, 0, 1, -1, -1, -1, -1, 10, 20, 1210, 820};
    s.curcol = 420;
    ASSERT_EQ(s.SaveLayoutSettings(), QString());
    const QString first = StoredValue(u"windowplace"_s).toString();
    EXPECT_EQ(first, u"44,0,1,-1,-1,-1,-1,10,20,1210,820"_s);
    s.columnWidth = {180, 60, 90, -2};
    s.viewMode = ViewMode::Thumbnails;
    s.LastBrowsePIDL = u"/home/user/Fotos"_s;
    ASSERT_EQ(s.SaveLayoutSettings(), QString());
    EXPECT_EQ(StoredValue(u"windowplace"_s).toString(), first);
    EXPECT_FALSE(StoredValue(u"location"_s).toString().isEmpty());

    const AppSettings reloaded;
    EXPECT_EQ(std::tuple(reloaded.hasWindowPlacement, reloaded.windowPlacement.right,
                         reloaded.windowPlacement.minX, reloaded.curcol, reloaded.LastBrowsePIDL),
              std::tuple(true, 1210, -1, 420, s.LastBrowsePIDL));
    EXPECT_EQ(reloaded.columnWidth, s.columnWidth);
    EXPECT_EQ(reloaded.viewMode, ViewMode::Thumbnails);
    WriteValue(u"viewmode"_s, 7u); // no such view: the details
    EXPECT_EQ(AppSettings().viewMode, ViewMode::Details);
    // Hidden files are left out, and a slideshow has its pace, until chosen.
    EXPECT_EQ(std::pair(reloaded.showHidden, reloaded.slideshowPace),
              std::pair(false, kDefaultSlideshowPace));
    s.showHidden = true;
    s.slideshowPace = 20;
    ASSERT_EQ(s.SaveLayoutSettings(), QString());
    EXPECT_EQ(std::pair(AppSettings().showHidden, AppSettings().slideshowPace),
              std::pair(true, 20));
    for (const uint32_t pace : {0u, 3601u, 0xFFFFFFFFu}) {
        WriteValue(u"slideshowpace"_s, pace);
        EXPECT_EQ(AppSettings().slideshowPace, kDefaultSlideshowPace) << pace;
    }

    // Too long for its buffer: the nearest enclosing folder that fits.
    s.LastBrowsePIDL = u"/home/user/"_s + QString(200, QChar(u'ä')) + "/b";
    ASSERT_EQ(s.SaveLayoutSettings(), QString());
    EXPECT_EQ(AppSettings().LastBrowsePIDL, u"/home/user"_s);
}

} // namespace
