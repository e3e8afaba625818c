// SPDX-License-Identifier: MIT
// Thunar's list of custom actions is the user's own file, in whatever shape
// they or another program left it: ours go in and come out again, and the
// file comes back byte for byte, whatever our item's name holds.
#include "FuzzInput.h"

#include "menus/ThunarActions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QString name = QString::fromUtf8(input.Part());
    const QByteArray xml = input.Rest();
    const QList<ThunarAction> actions{{QStringLiteral("tessary-fuzz-resize"), name,
                                       QStringLiteral("Tessary"),
                                       QStringLiteral("/usr/bin/tessary-menu --resize %F"), name,
                                       QStringLiteral("tessary"), QStringLiteral("*.jpg;*.tif")}};
    QString error;
    const std::optional<ThunarRewrite> in = RewriteThunarActions(xml, {}, actions, error);
    if (!in)
        return 0;
    Promise(in->ours.ids == QStringList{actions[0].uniqueId}, "our action is recorded");
    const std::optional<ThunarRewrite> out = RewriteThunarActions(in->bytes, in->ours, {}, error);
    Promise(out.has_value(), "a list we wrote into reads again");
    Promise(out->others == in->others, "the user's actions are all still there");
    Promise(out->bytes == xml, "taking ours out gives the file back byte for byte");
    return 0;
}
