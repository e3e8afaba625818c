// SPDX-License-Identifier: MIT
// Where a batch's results go, over a sample of name templates (sources
// whose names are dots, or nothing, among them), "onexists", "override",
// further outputs, destinations and mail: whatever the options, no source
// changes unless the user chose to write over it, each result reported is
// one file of its own, nothing lands outside its destination, and the
// batch writes where its plan (the dry run) said.
#include "BatchSupport.h"

#include <QDirIterator>

#include <map>
#include <random>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Status = PictureOutcome::Status;

constexpr int kCases = 160;

// Sources named to meet the name rules: one stem twice, stems of dots
// alone and an empty one, a name without an extension.
const QStringList kSources{"a.jpg", "a.png", "...jpg", "..jpg", ".jpg", "...", "b c.jpg"};
const QStringList kTemplates{
    "{name}",    "{name}/{name}", "{name}/{name}/{name}/x", "{n}", "x", "{ext}/{name}", "./{name}",
    "a//{name}", "{w}x{h}"};
// "" a resize folder beside each source, "." beside the sources.
const QStringList kDestinations{"", ".", "out", "ABSOLUTE"};
const QStringList kFurther{"", "imagetype=5", "nametemplate=x", "imagetype=0,qualilty=50"};

struct Case {
    int nameTemplate;
    OnExists onexists;
    bool override;
    int destination;
    int further;
    bool mail;
};

// The regular files and links under folder, by path.
std::map<QString, QByteArray> Files(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = QFileInfo(path).isSymLink()
                          ? "link:" + QFileInfo(path).symLinkTarget().toUtf8()
                          : FileHash(path);
    }
    return files;
}

TEST(BatchPlanTest, NoSourceIsLostEachResultIsOneFileInItsDestinationAndWhereThePlanSaid) {
    QTemporaryDir dir;
    const QString original = dir.filePath(u"original.jpg"_s);
    DrawPicture(original, 32, 24);
    DrawPicture(dir.filePath(u"original.png"_s), 32, 24);
    std::mt19937 random(TestSeed());
    const auto pick = [&](int count) {
        return int(std::uniform_int_distribution<int>(0, count - 1)(random));
    };
    for (int i = 0; i < kCases; ++i) {
        const Case c{pick(int(kTemplates.size())),    OnExists(pick(4)),          pick(4) == 0,
                     pick(int(kDestinations.size())), pick(int(kFurther.size())), pick(5) == 0};
        SCOPED_TRACE(u"case %1: template %2, onexists %3, override %4, dest '%5', also '%6', "
                     "mail %7"_s.arg(i)
                         .arg(kTemplates[c.nameTemplate])
                         .arg(int(c.onexists))
                         .arg(c.override)
                         .arg(kDestinations[c.destination], kFurther[c.further])
                         .arg(c.mail)
                         .toStdString());
        const QString root = dir.filePath(u"case%1"_s.arg(i));
        const QString sources = root + u"/src"_s;
        QDir().mkpath(sources);
        QStringList pictures;
        for (const QString& name : kSources)
            pictures << CopyInto(
                dir.filePath(name.endsWith(u".png"_s) ? u"original.png"_s : u"original.jpg"_s),
                sources, name);
        ResizeSettings s;
        s.width = 16;
        s.height = 12;
        s.wpercent = s.hpercent = 0;
        s.trash = 0;
        s.nametemplate = kTemplates[c.nameTemplate];
        s.onexists = c.onexists;
        s.override = c.override;
        s.also = kFurther[c.further];
        s.dest = kDestinations[c.destination] == u"ABSOLUTE"_s ? root + u"/abs"_s
                                                               : kDestinations[c.destination];
        // In the destinations: a user's own file with a result's name, and a
        // link with a result's name that leads to a source.
        for (const QString& folder :
             {sources + u"/resize"_s, sources + u"/out"_s, root + u"/abs"_s}) {
            WriteFile(folder + u"/b c.jpg"_s, "the user's own");
            const QByteArray target = QFile::encodeName(QDir(folder).relativeFilePath(pictures[0]));
            ::symlink(target.constData(), QFile::encodeName(folder + u"/a.jpg"_s).constData());
        }
        const QString mail = root + u"/mail"_s;
        QDir().mkpath(mail);
        const std::map<QString, QByteArray> before = Files(root);

        YesToAll yes;
        ResizeJob job(s, pictures, yes);
        if (c.mail)
            job.SetMailResults(mail);
        const BatchPlan plan = job.Plan(); // what a dry run shows
        job.Run();
        const std::map<QString, QByteArray> after = Files(root);

        std::set<QString> written;
        for (size_t r = 0; r < job.Outcomes().size(); ++r) {
            const PictureOutcome& outcome = job.Outcomes()[r];
            const PlannedResult& planned = plan.results[r];
            // "override" decides about the source, whatever "onexists" says.
            EXPECT_TRUE(!planned.overSource || (outcome.status == Status::Written &&
                                                outcome.output == plan.sources[planned.picture]))
                << qPrintable(outcome.output) << ": " << qPrintable(outcome.reason);
            if (outcome.status != Status::Written)
                continue;
            EXPECT_TRUE(written.insert(outcome.output).second)
                << "two results in one file: " << qPrintable(outcome.output);
            EXPECT_EQ(outcome.output, planned.path) << "the run wrote elsewhere than planned";
            EXPECT_TRUE(after.count(outcome.output)) << qPrintable(outcome.output);
            if (!planned.overSource) {
                EXPECT_TRUE(QDir::cleanPath(outcome.output)
                                .startsWith(QDir::cleanPath(planned.destination) + u'/'))
                    << qPrintable(outcome.output) << " outside " << qPrintable(planned.destination);
            }
        }
        const bool sourcesChosen = c.override && !c.mail;
        for (const auto& [path, hash] : before) {
            const bool source = pictures.contains(path);
            const bool users = path.endsWith(u"/b c.jpg"_s) && !source;
            const bool mayChange =
                (source && sourcesChosen && written.count(path)) ||
                (users && written.count(path) &&
                 (c.onexists == OnExists::Ask || c.onexists == OnExists::Replace));
            EXPECT_TRUE(after.count(path)) << "lost: " << qPrintable(path);
            if (after.count(path) && !mayChange) {
                EXPECT_EQ(after.at(path), hash) << "changed: " << qPrintable(path);
            }
        }
        // Every new file is a result the batch reported, inside the case.
        for (const auto& [path, hash] : after)
            if (!before.count(path)) {
                EXPECT_TRUE(written.count(path)) << "unreported: " << qPrintable(path);
            }
        EXPECT_EQ(NamesIn(QFile::encodeName(dir.path())).size(), i + 3) << "outside the case";
        if (HasFailure())
            break;
    }
}

} // namespace
