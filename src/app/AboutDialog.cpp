// SPDX-License-Identifier: MIT
#include "app/AboutDialog.h"

#include "app/AppIds.h"
#include "platform/UiText.h"
#include "res/Resources.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {
constexpr UiText kSummary = TrText(
    "About",
    "Resizes, turns and converts many pictures in one go, and hands them to your mail program.");
const QString kCopyright = QStringLiteral("Copyright \u00A9 2026 The Tessary developers");
constexpr UiText kLicenceNote = TrText("About", "Tessary is free software under the MIT licence:");
const QString kLicenceResource = QStringLiteral(":/tessary/LICENSE");
const QString kIconResource = QStringLiteral(":/tessary/tessary.svg");
constexpr int kPictureSize = 96;
constexpr int kLicenceWidth = 460;
constexpr int kLicenceHeight = 150;
} // namespace

namespace {
// Drawn from the SVG at the screen's own scale, so it is sharp everywhere.
QPixmap Picture(qreal ratio) {
    QPixmap pixmap(QSize(kPictureSize, kPictureSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(kIconResource).render(&painter, QRectF(0, 0, kPictureSize, kPictureSize));
    return pixmap;
}

// The licence with its paragraphs joined into lines, so that the box wraps
// them at its own width.
QString LicenceText() {
    QFile file(kLicenceResource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList paragraphs = QString::fromUtf8(file.readAll()).split(QStringLiteral("\n\n"));
    for (QString& paragraph : paragraphs)
        paragraph = paragraph.simplified();
    return paragraphs.join(QStringLiteral("\n\n"));
}
} // namespace

QFont ProductNameFont(const QFont& base) {
    QFont font = base;
    if (base.pixelSize() > 0)
        font.setPixelSize(base.pixelSize() * 3 / 2);
    else
        font.setPointSize(int(base.pointSizeF() * 1.5));
    font.setWeight(QFont::Bold);
    return font;
}

AboutDialog::AboutDialog(const AppSettings& settings, QWidget* parent)
    : QDialog(parent) {
    InitTessaryResources();
    setObjectName(QString::number(AppResourceId::AboutTemplate));
    setWindowTitle(TrText("About", "About Tessary"));

    auto* picture = new QLabel(this);
    picture->setPixmap(Picture(devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(AppText::MainTitle, this);
    product->setObjectName(QString::number(AboutId::ProductName));
    product->setFont(ProductNameFont(product->font()));
    auto* version = new QLabel(QStringLiteral("v") + settings.versionText, this);
    version->setObjectName(QString::number(AboutId::Version));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* summary = new QLabel(kSummary, this);
    summary->setWordWrap(true);

    auto* licence = new QPlainTextEdit(LicenceText(), this);
    licence->setReadOnly(true);
    licence->setMinimumSize(kLicenceWidth, kLicenceHeight);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::number(AboutId::Ok));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addSpacing(6);
    texts->addWidget(summary);
    texts->addWidget(new QLabel(kCopyright, this));
    texts->addSpacing(6);
    texts->addWidget(new QLabel(kLicenceNote, this));
    texts->addWidget(licence);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}
