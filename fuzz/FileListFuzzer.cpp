// SPDX-License-Identifier: MIT
// The list reader of --files-from meets whatever a pipe or a file holds,
// in pieces of any size.
#include "FuzzInput.h"

#include "FileList.h"

#include "platform/FileName.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const bool null = input.Byte() & 1;
    const size_t piece = 1 + input.Byte();
    const QByteArray list = input.Rest();
    FileListReader reader(null);
    bool whole = true;
    for (qsizetype at = 0; whole && at < list.size(); at += qsizetype(piece))
        whole = reader.Feed(list.constData() + at,
                            size_t(std::min<qsizetype>(piece, list.size() - at)));
    whole = whole && reader.Finish();
    Promise(whole == reader.Error().isEmpty(), "a list that fails says why");
    const char separator = null ? '\0' : '\n';
    for (const QString& file : reader.Files()) {
        const QByteArray bytes = EncodeFileName(file);
        Promise(!bytes.isEmpty() && !bytes.contains(separator) &&
                    bytes.size() <= qsizetype(FileListReader::kMostNameBytes),
                "each name is one whole entry of the list");
        Promise(list.contains(bytes), "each name's bytes are the list's own");
    }
    return 0;
}
