// SPDX-License-Identifier: MIT
#include "batch/BatchPlan.h"

#include "batch/NameTemplate.h"
#include "batch/OutputPath.h"
#include "batch/PictureTree.h"
#include "batch/Recipe.h"
#include "batch/ResizeTexts.h"
#include "codec/Image.h"
#include "codec/PictureTypeTable.h"
#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <map>
#include <optional>
#include <utility>

#include <sys/stat.h>

namespace {

using FileId = std::pair<dev_t, ino_t>;

// The file a path leads to, links followed; none when nothing is there.
std::optional<FileId> IdOf(const QString& path) {
    struct stat st {};
    if (::stat(EncodeFileName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

bool Present(const QString& path) {
    struct stat st {};
    return ::lstat(EncodeFileName(path).constData(), &st) == 0;
}

// A file, or a link, which a result replaces by itself.
bool WritableName(const QString& path) {
    struct stat st {};
    return ::lstat(EncodeFileName(path).constData(), &st) == 0 &&
           (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode));
}

bool Inside(const QString& path, const QString& folder) {
    const QString root = folder.endsWith(u'/') ? folder : folder + u'/';
    return QDir::cleanPath(path).startsWith(root);
}

class Planner {
public:
    Planner(const BatchRequest& request, BatchPlan& plan)
        : request_(request)
        , settings_(request.settings)
        , plan_(plan) {}
    Planner(const Planner&) = delete;
    Planner& operator=(const Planner&) = delete;

    void Recipe() {
        ResizeSettings options = settings_;
        // A mail gets one copy of a picture: further outputs are not made,
        // so a fault in them does not count.
        if (request_.mail)
            options.also.clear();
        plan_.outputs = RecipeOutputs(options, recipeError_);
        // Unusable options still give each picture its place, to fail in.
        if (plan_.outputs.empty()) {
            plan_.outputs.push_back(options);
            plan_.outputs.front().nametemplate = ResizeSettings().nametemplate;
        }
        // Written over its source, a result keeps the source's name, so it
        // keeps the source's type too: a PNG stream in a file named .jpg
        // helps nobody. A mail copy is never written over its source.
        if (settings_.override && !request_.mail)
            plan_.outputs.front().imagetype = PictureTypeTable::SameAsSource;
    }

    void Sources() {
        for (const QString& picture : request_.pictures) {
            plan_.sources << (picture.isEmpty() ? QString() : AbsoluteFileName(picture));
            if (const std::optional<FileId> id = IdOf(plan_.sources.last())) {
                sourceIds_.emplace(*id, int(plan_.sources.size()) - 1);
                plan_.sourceFiles.emplace(id->first, id->second);
            }
        }
    }

    void Picture(int index) {
        const QString& source = plan_.sources[index];
        const size_t first = plan_.results.size();
        for (size_t recipe = 0; recipe < plan_.outputs.size(); ++recipe) {
            PlannedResult result;
            result.picture = index;
            result.recipe = int(recipe);
            plan_.results.push_back(result);
        }
        const auto failAll = [&](const QString& reason) {
            for (size_t r = first; r < plan_.results.size(); ++r)
                plan_.results[r].reason = reason;
        };
        if (!recipeError_.isEmpty())
            return failAll(recipeError_);
        // An empty hand-off record names no file: nothing is planned for it.
        if (source.isEmpty())
            return failAll(ResizeText::NoFileName);
        // Without its private folder a mail copy would land in the current
        // folder, perhaps over a source of the same name.
        if (request_.mail && request_.mailFolder.isEmpty())
            return failAll(ResizeText::NoMailFolder.arg(ShownFileName(SystemTemporaryFolder())));
        if (const std::optional<FileId> id = IdOf(source); id && sourceIds_.at(*id) != index)
            return failAll(TrText("Batch", "it is in the list already, as %1")
                               .arg(ShownFileName(plan_.sources[sourceIds_.at(*id)])));
        CxImage header;
        if (!header.Load(source))
            return failAll(header.GetLastError());
        NameFields fields = SourceNameFields(source);
        fields.number = index + 1;
        fields.taken = DateTaken(header.GetExifDate(), source);
        const QString subfolder =
            index < request_.subfolders.size() ? request_.subfolders[index] : QString();
        for (size_t recipe = 0; recipe < plan_.outputs.size(); ++recipe) {
            PlannedResult& result = plan_.results[first + recipe];
            const ResizeSettings& output = plan_.outputs[recipe];
            result.reason = PlanResult(output, header, request_.desktop, result.form);
            if (!result.reason.isEmpty())
                continue;
            // Mail copies go to strangers: they have their own choice.
            if (request_.mail)
                result.form.metadata = int(output.mailmetadata);
            fields.width = result.form.WrittenWidth();
            fields.height = result.form.WrittenHeight();
            result.fields = fields;
            if (request_.mail)
                MailCopy(result, output, fields);
            else if (output.override)
                OverSource(result, output, header, source);
            else
                Result(result, SettingsForSubfolder(output, subfolder), fields);
        }
    }

private:
    // A copy in the mail's own folder: it replaces an older copy there,
    // ours, and never shares its name with another copy of this mail, as a
    // mail client on any system compares names.
    void MailCopy(PlannedResult& result, const ResizeSettings& output, const NameFields& fields) {
        ResizeSettings named = output;
        named.override = false;
        result.path =
            PlanOutput(plan_.sources[result.picture], named, true, request_.mailFolder, fields)
                .path;
        result.destination = request_.mailFolder;
        const QString first = result.path;
        for (int copy = 2; mailNames_.contains(QFileInfo(result.path).fileName().toCaseFolded());
             ++copy)
            result.path = NumberedName(first, copy);
        mailNames_.insert(QFileInfo(result.path).fileName().toCaseFolded());
        result.name = PlannedResult::Name::Replace;
    }

    // The source itself, as the user chose ("override"). "onexists" is
    // about other files: the source is replaced, after the question where
    // the user asked to be asked.
    void OverSource(PlannedResult& result, const ResizeSettings& output, const CxImage& header,
                    const QString& source) {
        result.path = source;
        result.overSource = true;
        result.name = output.onexists == OnExists::Ask ? PlannedResult::Name::Ask
                                                       : PlannedResult::Name::Replace;
        if (header.PageCount() > 1 && !ImageFormat::HoldsPages(result.form.format))
            result.reason = TrText("Batch", "it has %1 pages and only its first could be written "
                                            "in its place, so it is kept as it is")
                                .arg(header.PageCount());
        Claim(result);
    }

    void Result(PlannedResult& result, const ResizeSettings& output, const NameFields& fields) {
        const OutputPlan planned =
            PlanOutput(plan_.sources[result.picture], output, false, {}, fields);
        result.path = planned.path;
        result.destination = planned.folderToCreate;
        if (!Inside(result.path, result.destination)) {
            result.reason = TrText("Batch", "its name would put it outside %1")
                                .arg(ShownFileName(result.destination));
            return;
        }
        const Holder holder = Holds(result.path);
        if (holder.kind == Holder::Nothing) {
            Claim(result);
            return;
        }
        if (output.onexists == OnExists::KeepBoth) {
            result.path = FreeNumberedName(result.path);
        } else if (holder.kind == Holder::OtherResult ||
                   (holder.kind == Holder::Source && output.onexists != OnExists::Skip)) {
            // Two results of one batch never share a name, and a source
            // is written over only by its own result, as chosen.
            result.reason = holder.reason;
            return;
        } else if (!WritableName(result.path)) {
            result.reason = TrText("Batch", "something that is not a file has its name");
            return;
        } else {
            result.name = output.onexists == OnExists::Replace ? PlannedResult::Name::Replace
                          : output.onexists == OnExists::Skip  ? PlannedResult::Name::Skip
                                                               : PlannedResult::Name::Ask;
        }
        Claim(result);
    }

    // What holds a name before this result takes it.
    struct Holder {
        enum Kind { Nothing, File, Source, OtherResult } kind = Nothing;
        QString reason; // for a source or another result
    };

    // A source is found through links too (same file); another result by
    // the identity of its path.
    Holder Holds(const QString& path) const {
        if (const std::optional<FileId> id = IdOf(path)) {
            const auto source = sourceIds_.find(*id);
            if (source != sourceIds_.end())
                return {Holder::Source,
                        TrText("Batch", "it would be written over the source picture %1, which is "
                                        "not to be overwritten")
                            .arg(ShownFileName(plan_.sources[source->second]))};
        }
        if (const auto other = claimed_.find(PathIdentity(path)); other != claimed_.end())
            return {Holder::OtherResult,
                    TrText("Batch", "another result of this batch, from %1, has "
                                    "its name")
                        .arg(ShownFileName(plan_.sources[other.value()]))};
        return {Present(path) ? Holder::File : Holder::Nothing, {}};
    }

    // Copy N of path for the first N from 2 whose name is free. The count
    // goes on from the last number given for path, so a thousand results
    // of one name cost a thousand looks, not half a million.
    QString FreeNumberedName(const QString& path) {
        int& next = nextCopy_[path];
        next = std::max(next, 2);
        QString numbered;
        do
            numbered = NumberedName(path, next++);
        while (Holds(numbered).kind != Holder::Nothing);
        return numbered;
    }

    void Claim(const PlannedResult& result) {
        claimed_.insert(PathIdentity(result.path), result.picture);
    }

    const BatchRequest& request_;
    const ResizeSettings& settings_;
    BatchPlan& plan_;
    QString recipeError_;
    std::map<FileId, int> sourceIds_; // each source file's first place in the list
    QHash<QString, int> claimed_;     // the identities results have, with their picture
    QHash<QString, int> nextCopy_;    // the next number to try for a name kept both
    QSet<QString> mailNames_;
};

} // namespace

QString NumberedName(const QString& path, int copy) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    return QDir(info.path())
        .filePath(QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(copy).arg(suffix));
}

QString PathIdentity(const QString& path) {
    const QString absolute = AbsoluteFileName(path);
    QString folder = QFileInfo(absolute).path();
    QString rest = QFileInfo(absolute).fileName();
    // The folders not made yet stand below the nearest one that is.
    for (;;) {
        if (char* resolved = ::realpath(EncodeFileName(folder).constData(), nullptr)) {
            const QString real = DecodeFileName(QByteArray(resolved));
            std::free(resolved);
            return real == u'/' ? u'/' + rest : real + u'/' + rest;
        }
        const QString up = QFileInfo(folder).path();
        if (up == folder)
            return absolute;
        rest.prepend(QFileInfo(folder).fileName() + u'/');
        folder = up;
    }
}

QString BatchPlan::PathFor(const PlannedResult& result, const NameFields& fields,
                           QString& path) const {
    if (result.overSource) {
        path = result.path;
        return {};
    }
    ResizeSettings output = outputs[size_t(result.recipe)];
    output.override = false;
    const QString subfolder =
        result.picture < request.subfolders.size() ? request.subfolders[result.picture] : QString();
    path = PlanOutput(sources[result.picture], SettingsForSubfolder(output, subfolder),
                      request.mail, request.mailFolder, fields)
               .path;
    if (!Inside(path, result.destination))
        return TrText("Batch", "its name would put it outside %1")
            .arg(ShownFileName(result.destination));
    if (IsSource(path))
        return TrText("Batch", "its name %1 is a source picture's").arg(ShownFileName(path));
    return {};
}

bool BatchPlan::IsSource(const QString& path) const {
    const std::optional<FileId> id = IdOf(path);
    return id && sourceFiles.count({id->first, id->second}) > 0;
}

BatchPlan PlanBatch(const BatchRequest& request, const std::atomic<bool>* stop) {
    BatchPlan plan;
    plan.request = request;
    Planner planner(request, plan);
    planner.Recipe();
    planner.Sources();
    for (int index = 0; index < request.pictures.size(); ++index) {
        if (stop && *stop) {
            // The pictures not planned keep their places, to be stopped in.
            for (; index < request.pictures.size(); ++index)
                for (size_t recipe = 0; recipe < plan.outputs.size(); ++recipe) {
                    PlannedResult& result = plan.results.emplace_back();
                    result.picture = index;
                    result.recipe = int(recipe);
                    result.reason = TrText("Batch", "the batch was stopped");
                }
            return plan;
        }
        planner.Picture(index);
    }
    plan.complete = true;
    return plan;
}
