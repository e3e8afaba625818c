// SPDX-License-Identifier: MIT
#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

// A lone low surrogate in the range; the second half of a real pair is not.
bool IsEscape(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= kFirstEscape && c <= kLastEscape && (i == 0 || !text[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at bytes[i], or 0 when none
// starts there (overlong forms, surrogates and values past U+10FFFF
// included).
int Utf8Length(const QByteArray& bytes, qsizetype i) {
    const auto at = [&bytes](qsizetype k) {
        return uchar(bytes[k]);
    };
    const uchar lead = at(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    uint32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
        value = value << 6 | (at(i + k) & 0x3F);
    }
    const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString DecodeFileName(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = Utf8Length(bytes, i);
        if (length == 0) {
            name += QChar(char16_t(kFirstEscape - 0x80 + uchar(bytes[i])));
            ++i;
        } else {
            name += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        }
    }
    return name;
}

QByteArray EncodeFileName(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsEscape(path, i))
            continue;
        bytes += QStringView(path).mid(start, i - start).toUtf8();
        if (i < path.size())
            bytes += char(path[i].unicode() - kFirstEscape + 0x80);
        start = i + 1;
    }
    return bytes;
}

QString ShownFileName(const QString& path) {
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const char16_t c = shown[i].unicode();
        if (IsEscape(path, i))
            shown[i] = QChar::ReplacementCharacter;
        // A control character (a "\r" left by a Windows list) would act on
        // the terminal or vanish: its picture is shown, "␍".
        else if (c < 0x20)
            shown[i] = QChar(0x2400 + c);
        else if (c == 0x7f)
            shown[i] = QChar(0x2421);
    }
    return shown;
}

QStringList DecodeArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << DecodeFileName(QByteArray(argv[i]));
    return arguments;
}

QString RunningProgram() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString FileNameFromUri(const QByteArray& uri) {
    static const QByteArray kScheme = QByteArrayLiteral("file://");
    static const QByteArray kLocalhost = QByteArrayLiteral("localhost");
    if (!uri.startsWith(kScheme))
        return {};
    QByteArray path = uri.mid(kScheme.size());
    if (path.startsWith(kLocalhost))
        path = path.mid(kLocalhost.size());
    if (!path.startsWith('/') || path.contains('?') || path.contains('#'))
        return {};
    return DecodeFileName(QByteArray::fromPercentEncoding(path));
}

bool FileNameExists(const QString& path) {
    struct stat attributes {};
    return ::stat(EncodeFileName(path).constData(), &attributes) == 0;
}

bool IsFolder(const QString& path) {
    struct stat attributes {};
    return ::stat(EncodeFileName(path).constData(), &attributes) == 0 &&
           S_ISDIR(attributes.st_mode);
}

bool MakeFolderPath(const QString& path, unsigned mode, bool parents) {
    const QByteArray bytes = EncodeFileName(path);
    struct stat attributes {};
    if (::stat(bytes.constData(), &attributes) == 0) {
        if (!S_ISDIR(attributes.st_mode))
            errno = ENOTDIR;
        return S_ISDIR(attributes.st_mode);
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (parents && slash > 0 && !MakeFolderPath(path.left(slash), mode, true))
        return false;
    if (::mkdir(bytes.constData(), mode_t(mode)) == 0)
        return true;
    // Made by someone else meanwhile is as good, if it is a folder.
    return errno == EEXIST && IsFolder(path);
}

QString AbsoluteFileName(const QString& path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')))
        return path.isEmpty() ? path : QDir::cleanPath(path);
    QByteArray here(PATH_MAX, '\0');
    if (!::getcwd(here.data(), size_t(here.size())))
        return path;
    here.truncate(qsizetype(std::strlen(here.constData())));
    // cleanPath works on the text alone, so the escaped bytes survive it.
    return QDir::cleanPath(DecodeFileName(here) + QLatin1Char('/') + path);
}

bool IsSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(EncodeFileName(a).constData(), &first) == 0 &&
           ::stat(EncodeFileName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

QString SystemTemporaryFolder() {
    const QString chosen = DecodeFileName(qgetenv("TMPDIR"));
    if (!chosen.isEmpty() && chosen.startsWith(QLatin1Char('/')) && IsFolder(chosen))
        return QDir::cleanPath(chosen);
    return QStringLiteral("/tmp");
}

QString SystemReason(int error) {
    if (error == ENOSPC)
        return TrText("Files", "no space left on the device");
    QString reason = QString::fromLocal8Bit(std::strerror(error));
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}
