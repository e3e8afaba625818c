// SPDX-License-Identifier: MIT
#include "BatchCommandLine.h"

#include "platform/FileName.h"
#include "platform/UiText.h"
#include "settings/PresetStore.h"

#include <QRegularExpression>

#include <algorithm>

const UiText kBatchUsage = TrText("tessary-batch", R"(Usage: tessary-batch [OPTION]... FILE...
Resize, rotate, flip, set the DPI of and convert the pictures FILE... in one
batch, with the options stored by Tessary ("Set as default" in its resize
dialog), changed for this run by --set.

Options:
  --set NAME=VALUE     change one stored option for this run only (nothing is
                       saved); may be given many times. NAME is one of:
                         override         1: write over the source pictures
                         dest             destination folder; empty: a folder
                                          "resize" beside each picture;
                                          relative: taken from each picture's
                                          folder
                         imagetype        the type written, by name or
                                          number: same (0) as the source,
                                          jpg (1) JPEG, bmp (2) BMP,
                                          gif (3) GIF, ico (4) ICO,
                                          png (5) PNG, tiff (6) TIFF,
                                          pcx (7) PCX, webp (8) WebP,
                                          avif (9) AVIF, heic (10) HEIC,
                                          jxl (11) JPEG XL
                         qualilty         quality of JPEG, WebP, AVIF, HEIC
                                          and JPEG XL, 0 to 100
                         image_to_resize  1: resize
                         image_to_rotate  1: rotate or flip (see rotate)
                         image_set_dpi    1: set xdpi and ydpi
                         constraint       1: keep proportions (dialog only)
                         desktop          1: fit into the desktop size
                         width, height    new size
                         wpercent,        unit of width and height:
                         hpercent           pixels (0), percent (1)
                         rotate           left (0) 90 degrees, flip (1) top
                                          to bottom, right (2) 90 degrees
                         xdpi, ydpi       resolution to write
                         noenlarge        1: a picture smaller than its new
                                          size keeps its own (default 0)
                         keepdates        1: each result gets its source's
                                          modification time (default 1)
                         trash            1: a file the batch replaces is
                                          moved to the Trash (default 1)
                         maxkb            most KB of each result: a lower
                                          quality (JPEG, WebP, AVIF, HEIC,
                                          JPEG XL), then a smaller size; 0: no
                                          limit (default)
                         mailmaxkb        with --mail: most KB of all copies
                                          together; 0: no limit (default)
                         nametemplate     the result's name without its
                                          extension (default {name}):
                                          {name} and {ext} of the source,
                                          {w} and {h} of the result, {n} the
                                          picture's number (from 1; {n:3}
                                          as 001), {date} and {time} when
                                          it was taken (YYYY-MM-DD,
                                          HH-MM-SS), {folder} the source's
                                          folder; "/" makes folders below
                                          the destination; not used with
                                          override=1
                         onexists         when a result's name exists:
                                          ask (0, default), keep-both (1:
                                          "name (2).jpg"), skip (2),
                                          replace (3)
                         also             the stored further outputs, as
                                          --also's, separated by ";"
                         metadata         what each result keeps of the
                                          photo's metadata: all (0, the
                                          default); private (1): only the
                                          camera, the lens, the exposure,
                                          the date taken, the copyright,
                                          the colour profile and the
                                          resolution; profile (2): only the
                                          colour profile and the
                                          resolution. Whatever no list
                                          names goes; each result is read
                                          back by Exiv2, and one holding
                                          anything else fails
                         mailmetadata     the same for the copies of --mail
                                          (default private)
                         srgb             1: pixels in sRGB with the sRGB
                                          profile embedded, for the web
                         fit              with width and height in pixels:
                                          stretch (0, default): the picture
                                          takes that size; fill (1): scaled
                                          to cover it and cropped; pad (2):
                                          scaled to fit inside and laid on
                                          a canvas of that size
                         anchor           what fill keeps: centre (0,
                                          default), attention (1): the most
                                          interesting part, start (2): top
                                          or left, end (3): bottom or right
                         padcolour        the canvas of pad, RGB in hex
                                          (default FFFFFF, white); empty:
                                          transparent where the type can be
                         side             both (0, default): width and
                                          height; longer (1): the longer
                                          side takes width; shorter (2):
                                          the shorter does; the other
                                          follows in proportion
                         lossless         1: a JPEG only turned, flipped,
                                          set upright by its EXIF
                                          orientation or given a DPI, and
                                          written as JPEG, keeps its own
                                          compressed data, turned, and is
                                          not re-encoded (default); one
                                          whose turned edge is not a whole
                                          number of JPEG blocks is
                                          re-encoded whole instead, and the
                                          run says so; 0: always re-encode
                       An option whose values have names above takes the name
                       or its number (fit=pad or fit=2); another word is
                       refused with the names. Numbers outside their range
                       are refused: switches 0-1, imagetype 0-11, qualilty
                       0-100, rotate 0-2, DPI 1-65535, sizes 1-65535 pixels
                       or 1-10000 percent.
  --also CHANGES       one further output of every picture, from the same
                       decode: the options with CHANGES, NAME=VALUE pairs
                       separated by "," (a backslash keeps a "," or ";" in
                       a value), e.g. --also 'width=320,nametemplate={name}-
                       thumb'; may be given many times, after the stored
                       further outputs. An output that fails fails alone.
                       Not with --mail, which sends one copy of a picture
  --files-from FILE    also take the pictures listed in FILE, one a line,
                       or standard input for "-": for lists of any length,
                       from find or another program
  --null               with --files-from: the names are separated by NUL
                       bytes (find -print0), so any name is safe
  --dry-run            write nothing: print the batch's plan, each result's
                       path, its size in pixels as written, about how many
                       bytes it would take and what it does to a file of
                       its name, one a line separated by tabs, then the
                       total; the bytes come from encoding one picture of
                       each kind (the same type and size), the heaviest
                       kinds first, for under a second. The run writes
                       exactly where its plan says
  --undo               undo the last batch, from its journal: every file it
                       replaced comes back from the Trash, and every result
                       it wrote goes, but only while it is as the batch left
                       it; a result changed since is left and named, and so
                       is a file whose original cannot come back (the
                       Trash was off, or has been emptied). With --dry-run
                       it only says what it would do. Works after a batch
                       that was stopped or killed, and after a restart
  --preset NAME        start from the preset NAME instead of the stored
                       options (--set and --also still apply on top)
  --save-preset NAME   store the options of this command line (the stored
                       ones or --preset's, with --set and --also) as the
                       preset NAME, replacing one of that name, and exit
  --list-presets       print the presets' names, one a line, and exit
  --delete-preset NAME delete the preset NAME (those that come with Tessary
                       too) and exit
  --answer POLICY      how to answer the questions of the batch ("overwrite
                       this file?", "convert to 256 colours?"):
                         ask         ask on the terminal
                         yes-to-all  answer "Yes to all" every time
                         no-to-all   answer "No to all" every time
                       Default: ask when standard input is a terminal,
                       else no-to-all.
  --desktop-size WxH   the desktop size used with desktop=1; default: the
                       primary screen's size
  --jobs N             pictures worked on at once (default: one per core)
  --mail               resize into temporary copies and hand them to your mail
                       client as attachments of a new message, with the mail
                       subject and body stored by Tessary (with override=1 the
                       overwritten pictures are attached); needs xdg-email
  --recursive          a FILE that is a folder stands for every picture under
                       it, depth first in name order; the batch's own
                       "resize" folders are never entered, and with an
                       absolute dest the folders below FILE are made again
                       under it. Without it a folder is a usage error
  --info               resize nothing: print each FILE's properties as the
                       preview shows them, after a line "== FILE": its EXIF
                       entries as "title<TAB>value" with an empty line between
                       the IFD groups, or its width and height when it has no
                       EXIF, or "cannot read picture"
  --list FOLDER        resize nothing: print the rows Tessary's file list shows
                       for FOLDER, one a line: name, size, type and time,
                       separated by tabs, ".." first where the list has it
  --sort COLUMN        with --list: name (the default), size, type or time
  --descending         with --list: the other way round (folders stay first)
  --help               show this text and exit
  --version            show the version and exit
  --                   end of options: every later argument is a FILE, even
                       one that starts with a dash

While it runs, the picture being handled is shown on standard error when
that is a terminal. At the end one line "written: N, skipped: M, failed: K"
goes to standard output, counting results (a picture with further outputs
has several), then one line "PATH: reason" per failed result, "PATH (output
N, NAME): reason" when pictures have several. A result skipped by an answer
or by onexists=2 is not a failure. When results were to lose metadata, a
line says what was removed: "removed: GPS position from 12 pictures,
serial numbers from 12". When JPEG photos were to be turned without
re-encoding, a line counts them, "turned without re-encoding: 12 JPEG
photos", then one line "PATH: re-encoded, as ..." for each re-encoded
instead.

With --undo, one line "undone: N back from the Trash, M results removed",
then a line "PATH: reason" for each file left as it is; when nothing can
be undone it says why and does nothing.

Exit status: 0 when no picture failed, 1 when one failed (with --info: one
could not be read; with --undo: something was left, or nothing could be
undone), 2 for a usage error (nothing is done then).
)");

namespace {

std::optional<uint32_t> ParseUnsigned(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qulonglong value = text.toULongLong();
    if (value > UINT32_MAX)
        return std::nullopt;
    return uint32_t(value);
}

} // namespace

bool ApplyBatchSetting(ResizeSettings& settings, const QString& name, const QString& value,
                       QString& error) {
    if (SetResizeSetting(settings, name, value, error))
        return true;
    error = QStringLiteral("--set ") + error;
    return false;
}

bool CheckBatchSettings(const ResizeSettings& settings, QString& error) {
    error = OutOfRangeText(settings);
    if (error.isEmpty())
        return true;
    error = QStringLiteral("--set ") + error;
    return false;
}

namespace {

// The options without a value, and the field each sets.
const std::pair<QLatin1String, bool BatchCommandLine::*> kSwitches[] = {
    {QLatin1String("--help"), &BatchCommandLine::help},
    {QLatin1String("--version"), &BatchCommandLine::version},
    {QLatin1String("--list"), &BatchCommandLine::list},
    {QLatin1String("--descending"), &BatchCommandLine::listDescending},
    {QLatin1String("--info"), &BatchCommandLine::info},
    {QLatin1String("--mail"), &BatchCommandLine::mail},
    {QLatin1String("--recursive"), &BatchCommandLine::recursive},
    {QLatin1String("--null"), &BatchCommandLine::null},
    {QLatin1String("--dry-run"), &BatchCommandLine::dryRun},
    {QLatin1String("--undo"), &BatchCommandLine::undo},
    {QLatin1String("--list-presets"), &BatchCommandLine::listPresets},
};

const QStringList kValued{"--sort",        "--set",          "--answer",     "--desktop-size",
                          "--jobs",        "--also",         "--files-from", "--preset",
                          "--save-preset", "--delete-preset"};

// Reads the value of one of kValued into the line; false, with the error
// naming it, when the option does not take that value.
bool TakeValue(const QString& option, const QString& value, BatchCommandLine& line,
               QString& error) {
    if (option == QLatin1String("--sort")) {
        line.listSort = int(QStringList{"name", "size", "type", "time"}.indexOf(value));
        if (line.listSort < 0)
            error = TrText("tessary-batch", "--sort needs name, size, type or time, not '%1'")
                        .arg(value);
    } else if (option == QLatin1String("--set")) {
        const qsizetype split = value.indexOf(QLatin1Char('='));
        if (split <= 0)
            error = TrText("tessary-batch", "--set takes NAME=VALUE, not '%1'").arg(value);
        else
            line.sets.emplace_back(value.left(split), value.mid(split + 1));
    } else if (option == QLatin1String("--answer")) {
        const QStringList policies{"ask", "yes-to-all", "no-to-all"};
        const qsizetype policy = policies.indexOf(value);
        if (policy < 0)
            error = TrText("tessary-batch", "--answer takes ask, yes-to-all or no-to-all, not '%1'")
                        .arg(value);
        else
            line.answer = BatchCommandLine::AnswerPolicy(int(policy) + 1);
    } else if (option == QLatin1String("--desktop-size")) {
        static const QRegularExpression size(QStringLiteral("^([0-9]{1,6})[xX]([0-9]{1,6})$"));
        const QRegularExpressionMatch match = size.match(value);
        const int w = match.hasMatch() ? match.captured(1).toInt() : 0;
        const int h = match.hasMatch() ? match.captured(2).toInt() : 0;
        if (w <= 0 || h <= 0)
            error = TrText("tessary-batch", "--desktop-size takes WIDTHxHEIGHT in pixels, not '%1'")
                        .arg(value);
        else
            line.desktopSize = DesktopSize{w, h};
    } else if (option == QLatin1String("--also")) {
        OptionChanges changes;
        if (ParseOptionChanges(value, changes, error))
            line.also << value;
        else
            error = QStringLiteral("--also: ") + error;
    } else if (option.endsWith(QLatin1String("preset"))) {
        // A preset stored before the rules for new names grew can still be
        // used and deleted.
        error = option == QLatin1String("--save-preset") ? PresetStore::NameError(value)
                                                         : PresetStore::StoredNameError(value);
        (option == QLatin1String("--preset")        ? line.preset
         : option == QLatin1String("--save-preset") ? line.savePreset
                                                    : line.deletePreset) = value;
    } else if (option == QLatin1String("--files-from")) {
        if (value.isEmpty())
            error = TrText("tessary-batch", "--files-from needs a FILE, or - for standard input");
        line.filesFrom = value;
    } else if (option == QLatin1String("--jobs")) {
        const std::optional<uint32_t> jobs = ParseUnsigned(value);
        if (!jobs || *jobs < 1 || *jobs > 64)
            error =
                TrText("tessary-batch", "--jobs takes a number from 1 to 64, not '%1'").arg(value);
        else
            line.jobs = int(*jobs);
    }
    return error.isEmpty();
}

} // namespace

std::optional<BatchCommandLine> ParseBatchCommandLine(const QStringList& arguments,
                                                      QString& error) {
    BatchCommandLine line;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
                error =
                    TrText("tessary-batch", "unknown option '%1' (a file whose name starts with a "
                                            "dash goes after --)")
                        .arg(argument);
                return std::nullopt;
            }
            line.files << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        // "--name=value" and "--name value" mean the same.
        std::optional<QString> value;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = argument.mid(equals + 1);
            argument.truncate(equals);
        }
        const auto isSwitch = [&argument](const auto& entry) {
            return entry.first == argument;
        };
        if (const auto found = std::find_if(std::begin(kSwitches), std::end(kSwitches), isSwitch);
            found != std::end(kSwitches)) {
            line.*found->second = true;
            continue;
        }
        if (!kValued.contains(argument)) {
            error = TrText("tessary-batch", "unknown option '%1'").arg(argument);
            return std::nullopt;
        }
        if (!value && i + 1 >= arguments.size()) {
            error = TrText("tessary-batch", "%1 needs a value").arg(argument);
            return std::nullopt;
        }
        if (!TakeValue(argument, value ? *value : arguments[++i], line, error))
            return std::nullopt;
    }
    if (line.null && line.filesFrom.isEmpty()) {
        error = TrText("tessary-batch", "--null goes with --files-from");
        return std::nullopt;
    }
    if (line.undo && (!line.files.isEmpty() || !line.filesFrom.isEmpty())) {
        error = TrText("tessary-batch", "--undo undoes the last batch, and takes no FILE");
        return std::nullopt;
    }
    if (line.mail && !line.also.isEmpty()) {
        error = TrText("tessary-batch",
                       "--also cannot go with --mail, which sends one copy of a picture");
        return std::nullopt;
    }
    return line;
}
