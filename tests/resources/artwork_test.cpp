// The artwork the program carries: every picture at its size, the program icon in 16 colours with
// the Windows icon file holding that same picture, and the hand cursor's hot spot on its fingertip.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <string_view>

namespace {

// Transparent pixels may carry any colour; only their transparency counts.
QRgb visible(QRgb pixel) {
    return qAlpha(pixel) == 0 ? 0 : pixel;
}

QImage load(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

TEST(Artwork, SizesColoursIconFileAndHotSpot) {
    const struct Picture {
        std::string_view name;
        const char* path;
        QSize size;
    } pictures[] = {
        {"icon 32", ":/icons/sumora-32.png", {32, 32}},
        {"icon 256", ":/icons/sumora-256.png", {256, 256}},
        {"emblem", ":/pictures/emblem.bmp", {52, 44}},
        {"banner", ":/pictures/banner.bmp", {401, 54}},
        {"hand cursor", ":/cursors/hand.png", {32, 32}},
        {"Windows icon", SUMORA_ICO_FILE, {32, 32}},
    };
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.name);
        EXPECT_EQ(QImage(QString::fromUtf8(picture.path)).size(), picture.size);
    }

    // 16 colours; the Windows icon, matching it pixel for pixel, holds no more.
    const QImage icon(QStringLiteral(":/icons/sumora-32.png"));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_LE(icon.colorCount(), 16);
    const QImage original = load(QStringLiteral(":/icons/sumora-32.png"));
    const QImage ico = load(QStringLiteral(SUMORA_ICO_FILE));
    for (int i = 0; i < 32 * 32; ++i) {
        ASSERT_EQ(visible(ico.pixel(i % 32, i / 32)), visible(original.pixel(i % 32, i / 32)))
            << "at " << i % 32 << ", " << i / 32;
    }

    // Nothing of the hand lies above or left of its fingertip at (12, 1): the first opaque pixel.
    const QImage hand = load(QStringLiteral(":/cursors/hand.png"));
    int first = 0;
    while (first < 32 * 32 && qAlpha(hand.pixel(first % 32, first / 32)) == 0) {
        ++first;
    }
    EXPECT_EQ(first, 1 * 32 + 12);
}

}  // namespace

int main(int argc, char** argv) {
    // Headless unless the caller chose a platform; test discovery runs this at build time too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
