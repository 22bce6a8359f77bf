// The artwork the program carries: every picture loads from the resources at its size, the larger
// icon renders show the same picture as the 16-colour original, the Windows icon file holds that
// same single image, and the link cursor's hot spot lies on its fingertip.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdint>
#include <string_view>

namespace {

constexpr int kIconSize = 32;
constexpr QPoint kHandHotSpot{12, 1};

struct Picture {
    std::string_view name;
    const char* path;
    QSize size;
};

constexpr Picture kPictures[] = {
    {"icon 32", ":/icons/sumora-32.png", {32, 32}},
    {"icon 48", ":/icons/sumora-48.png", {48, 48}},
    {"icon 64", ":/icons/sumora-64.png", {64, 64}},
    {"icon 128", ":/icons/sumora-128.png", {128, 128}},
    {"icon 256", ":/icons/sumora-256.png", {256, 256}},
    {"emblem", ":/pictures/emblem.bmp", {52, 44}},
    {"banner", ":/pictures/banner.png", {401, 54}},
    {"hand cursor", ":/cursors/hand.png", {32, 32}},
};

QImage load(const char* path) {
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

// Transparent pixels may carry any colour; only their transparency counts.
QRgb visible(QRgb pixel) {
    return qAlpha(pixel) == 0 ? 0 : pixel;
}

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

TEST(Artwork, EveryPictureLoadsAtItsSize) {
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const QImage image(QString::fromLatin1(picture.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
    }
}

TEST(Artwork, ProgramIconIsSixteenColoursOnATransparentGround) {
    const QImage icon(QStringLiteral(":/icons/sumora-32.png"));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_LE(icon.colorCount(), 16);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(kIconSize / 2, kIconSize / 2)), 255);
}

TEST(Artwork, LargerRendersShowTheOriginalPicture) {
    const QImage original = load(":/icons/sumora-32.png");
    for (const Picture& picture : kPictures) {
        if (!picture.name.starts_with("icon") || picture.size.width() == kIconSize) {
            continue;
        }
        SCOPED_TRACE(picture.name);
        const QImage render = load(picture.path);
        const int size = render.width();
        for (int y = 0; y < kIconSize; ++y) {
            for (int x = 0; x < kIconSize; ++x) {
                const int centreX = (2 * x + 1) * size / (2 * kIconSize);
                const int centreY = (2 * y + 1) * size / (2 * kIconSize);
                ASSERT_EQ(visible(render.pixel(centreX, centreY)), visible(original.pixel(x, y)))
                    << "at " << x << ", " << y;
            }
        }
    }
}

TEST(Artwork, WindowsIconHoldsTheOriginalAsItsOnlyImage) {
    QFile file(QStringLiteral(SUMORA_ICO_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    ASSERT_GE(ico.size(), 22);
    EXPECT_EQ(littleEndian(ico, 2, 2), 1u) << "type: icon";
    ASSERT_EQ(littleEndian(ico, 4, 2), 1u) << "one image";
    EXPECT_EQ(littleEndian(ico, 6, 1), 32u);
    EXPECT_EQ(littleEndian(ico, 7, 1), 32u);
    EXPECT_EQ(littleEndian(ico, 8, 1), 16u) << "colours";
    EXPECT_EQ(littleEndian(ico, 12, 2), 4u) << "bits per pixel";

    const qsizetype header = littleEndian(ico, 18, 4);
    constexpr qsizetype kPaletteSize = 16 * 4, kRowBytes = kIconSize / 2, kMaskRowBytes = 4;
    ASSERT_EQ(ico.size(), header + 40 + kPaletteSize + kIconSize * (kRowBytes + kMaskRowBytes));
    EXPECT_EQ(littleEndian(ico, header + 8, 4), 2u * kIconSize) << "colours and mask";
    EXPECT_EQ(littleEndian(ico, header + 14, 2), 4u);

    const qsizetype palette = header + 40;
    const qsizetype colours = palette + kPaletteSize;
    const qsizetype mask = colours + kIconSize * kRowBytes;
    const QImage original = load(":/icons/sumora-32.png");
    for (int y = 0; y < kIconSize; ++y) {
        const int row = kIconSize - 1 - y;  // stored bottom-up
        for (int x = 0; x < kIconSize; ++x) {
            const auto pair = static_cast<std::uint8_t>(ico[colours + row * kRowBytes + x / 2]);
            const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            const auto maskByte =
                static_cast<std::uint8_t>(ico[mask + row * kMaskRowBytes + x / 8]);
            const bool transparent = (maskByte >> (7 - x % 8) & 1) != 0;
            const qsizetype entry = palette + 4 * index;
            const QRgb want = transparent ? 0
                                          : qRgb(static_cast<std::uint8_t>(ico[entry + 2]),
                                                 static_cast<std::uint8_t>(ico[entry + 1]),
                                                 static_cast<std::uint8_t>(ico[entry]));
            ASSERT_EQ(visible(original.pixel(x, y)), want) << "at " << x << ", " << y;
        }
    }
}

TEST(Artwork, EmblemIsATwentyFourBitBitmap) {
    QFile file(QStringLiteral(":/pictures/emblem.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    ASSERT_GE(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(littleEndian(bmp, 28, 2), 24u);
}

TEST(Artwork, HandCursorHotSpotIsItsFingertip) {
    const QImage hand = load(":/cursors/hand.png");
    EXPECT_EQ(qAlpha(hand.pixel(kHandHotSpot)), 255);
    for (int y = 0; y < hand.height(); ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            const bool aboveOrLeftOfTip =
                y < kHandHotSpot.y() || (y == kHandHotSpot.y() && x < kHandHotSpot.x());
            if (aboveOrLeftOfTip) {
                ASSERT_EQ(qAlpha(hand.pixel(x, y)), 0) << "at " << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(qAlpha(hand.pixel(hand.width() - 1, hand.height() - 1)), 0);
}

TEST(Artwork, IconAndPixmapLoadFromTheLinkedResources) {
    const QIcon icon(QStringLiteral(":/icons/sumora-32.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(kIconSize).size(), QSize(kIconSize, kIconSize));
    EXPECT_FALSE(QPixmap(QStringLiteral(":/pictures/banner.png")).isNull());
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
