// Checks the pictures compiled into the program: their formats as stored
// (a progressive JPEG, 4-bit icons, a GIF with one transparent colour) and
// what Qt makes of them when the windows load them.

#include <QtEndian>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

#include <optional>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint16 le16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 le32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 be16(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

struct JpegFrame
{
    QList<quint8> sofMarkers;
    int width = 0;
    int height = 0;
    int components = 0;
};

// Walks the marker segments up to the first scan, where the frame header
// must already have appeared.
std::optional<JpegFrame> readJpegFrame(const QByteArray &data)
{
    if (!data.startsWith("\xFF\xD8"))
        return std::nullopt;
    JpegFrame frame;
    qsizetype at = 2;
    while (at + 4 <= data.size()) {
        if (quint8(data[at]) != 0xFF)
            return std::nullopt;
        const quint8 marker = quint8(data[at + 1]);
        const quint16 length = be16(data, at + 2);
        if (marker == 0xDA)
            return frame;
        const bool isSof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4
                           && marker != 0xC8 && marker != 0xCC;
        if (isSof && at + 10 <= data.size()) {
            frame.sofMarkers.append(marker);
            frame.height = be16(data, at + 5);
            frame.width = be16(data, at + 7);
            frame.components = quint8(data[at + 9]);
        }
        at += 2 + length;
    }
    return std::nullopt;
}

struct GifLayout
{
    int imageDescriptors = 0;
    int controlExtensions = 0;
    bool transparentFlag = false;
    int transparentIndex = -1;
    bool controlBeforeImage = false;
    bool trailer = false;
};

// Follows the block structure of a GIF after the global colour table.
std::optional<GifLayout> readGifLayout(const QByteArray &data, qsizetype at)
{
    GifLayout layout;
    auto skipSubBlocks = [&data](qsizetype pos) -> qsizetype {
        while (pos < data.size() && quint8(data[pos]) != 0)
            pos += 1 + quint8(data[pos]);
        return pos + 1;
    };
    while (at < data.size()) {
        const quint8 introducer = quint8(data[at]);
        if (introducer == 0x3B) {
            layout.trailer = true;
            return layout;
        }
        if (introducer == 0x21 && at + 2 < data.size()) {
            if (quint8(data[at + 1]) == 0xF9 && at + 7 < data.size()) {
                ++layout.controlExtensions;
                layout.transparentFlag = (quint8(data[at + 3]) & 0x01) != 0;
                layout.transparentIndex = quint8(data[at + 6]);
                layout.controlBeforeImage = layout.imageDescriptors == 0;
            }
            at = skipSubBlocks(at + 2);
        } else if (introducer == 0x2C && at + 10 < data.size()) {
            ++layout.imageDescriptors;
            const quint8 flags = quint8(data[at + 9]);
            at += 10;
            if (flags & 0x80)
                at += 3 * (1 << ((flags & 0x07) + 1));
            at = skipSubBlocks(at + 1);   // after the LZW minimum code size
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

const QString background = QStringLiteral(":/images/background.jpg");
const QString programIcon = QStringLiteral(":/images/orvanta.ico");
const QString aboutIcon = QStringLiteral(":/images/about.ico");
const QString aboutPicture = QStringLiteral(":/images/about.gif");

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void embeddedImagesLoad_data();
    void embeddedImagesLoad();
    void backgroundIsProgressiveColourJpeg();
    void backgroundGradientColours_data();
    void backgroundGradientColours();
    void iconsHoldTwoFourBitImages_data();
    void iconsHoldTwoFourBitImages();
    void iconsLoadInBothSizes_data();
    void iconsLoadInBothSizes();
    void iconPixels_data();
    void iconPixels();
    void pngCopiesMatchProgramIcon_data();
    void pngCopiesMatchProgramIcon();
    void aboutPictureStructure();
    void aboutPictureTransparency();
};

void TestResources::embeddedImagesLoad_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("background") << background << QByteArray("jpeg") << QSize(1024, 768);
    QTest::newRow("program icon") << programIcon << QByteArray("ico") << QSize(32, 32);
    QTest::newRow("about icon") << aboutIcon << QByteArray("ico") << QSize(32, 32);
    QTest::newRow("about picture") << aboutPicture << QByteArray("gif") << QSize(170, 170);
}

void TestResources::embeddedImagesLoad()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    QCOMPARE(reader.format(), format);   // detected from the content, not the name
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestResources::backgroundIsProgressiveColourJpeg()
{
    const QByteArray data = readAll(background);
    const std::optional<JpegFrame> frame = readJpegFrame(data);
    QVERIFY(frame);
    QCOMPARE(frame->sofMarkers, QList<quint8>{0xC2});   // progressive DCT only, no baseline frame
    QCOMPARE(frame->width, 1024);
    QCOMPARE(frame->height, 768);
    QCOMPARE(frame->components, 3);
    // A smooth gradient of this size; far bigger means a needlessly high quality.
    QVERIFY2(data.size() > 16000 && data.size() < 21000, QByteArray::number(data.size()));
}

void TestResources::backgroundGradientColours_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QString>("hue");

    QTest::newRow("top left") << QPoint(8, 8) << QStringLiteral("pink");
    QTest::newRow("bottom left") << QPoint(8, 759) << QStringLiteral("violet");
    QTest::newRow("middle") << QPoint(512, 384) << QStringLiteral("lilac");
    QTest::newRow("top right") << QPoint(1015, 8) << QStringLiteral("green");
    QTest::newRow("bottom right") << QPoint(1015, 759) << QStringLiteral("pink");
}

void TestResources::backgroundGradientColours()
{
    QFETCH(QPoint, where);
    QFETCH(QString, hue);

    static const QImage image(background);
    QVERIFY(!image.isNull());
    const QColor c = image.pixelColor(where);
    const QByteArray seen = QByteArray("rgb ") + QByteArray::number(c.red()) + ' '
                            + QByteArray::number(c.green()) + ' ' + QByteArray::number(c.blue());
    QVERIFY2(c.lightness() > 150, seen);   // pastel throughout
    if (hue == QLatin1String("pink"))
        QVERIFY2(c.red() > c.blue() && c.blue() > c.green(), seen);
    else if (hue == QLatin1String("violet") || hue == QLatin1String("lilac"))
        QVERIFY2(c.blue() > c.red() && c.red() > c.green(), seen);
    else
        QVERIFY2(c.green() > c.red() && c.green() > c.blue(), seen);
}

void TestResources::iconsHoldTwoFourBitImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("program icon") << programIcon;
    QTest::newRow("about icon") << aboutIcon;
}

void TestResources::iconsHoldTwoFourBitImages()
{
    QFETCH(QString, path);
    const QByteArray data = readAll(path);
    QVERIFY(data.size() > 6);
    QCOMPARE(le16(data, 0), 0);   // reserved
    QCOMPARE(le16(data, 2), 1);   // icon, not cursor
    QCOMPARE(le16(data, 4), 2);

    QSet<int> sizes;
    for (int i = 0; i < 2; ++i) {
        const qsizetype entry = 6 + 16 * i;
        QVERIFY(entry + 16 <= data.size());
        const int width = quint8(data[entry]);
        const int height = quint8(data[entry + 1]);
        QCOMPARE(height, width);
        sizes.insert(width);
        QCOMPARE(quint8(data[entry + 2]), 16);   // colours in the palette
        QCOMPARE(le16(data, entry + 4), 1);      // planes
        QCOMPARE(le16(data, entry + 6), 4);      // bits per pixel

        const quint32 bytes = le32(data, entry + 8);
        const quint32 offset = le32(data, entry + 12);
        QVERIFY(offset + bytes <= quint32(data.size()));
        // A BMP image (header, 16 colours, 4-bit colour rows, 1-bit mask rows),
        // not a PNG one.
        QCOMPARE(le32(data, offset), 40u);
        QCOMPARE(qint32(le32(data, offset + 4)), width);
        QCOMPARE(qint32(le32(data, offset + 8)), 2 * width);   // colour bitmap + mask
        QCOMPARE(le16(data, offset + 14), 4);
        QCOMPARE(le32(data, offset + 16), 0u);                 // uncompressed
        const quint32 colours = le32(data, offset + 32);
        QVERIFY(colours == 0 || colours == 16);
        const auto rowBytes = [](int bits) { return quint32((bits + 31) / 32 * 4); };
        QCOMPARE(bytes, 40 + 16 * 4 + width * rowBytes(4 * width) + width * rowBytes(width));
    }
    QCOMPARE(sizes, (QSet<int>{16, 32}));
}

void TestResources::iconsLoadInBothSizes_data()
{
    iconsHoldTwoFourBitImages_data();
}

void TestResources::iconsLoadInBothSizes()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), 2);
    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
    QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
}

void TestResources::iconPixels_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");   // transparent where the icon is see-through

    const QColor clear = Qt::transparent;
    const QColor yellow(255, 255, 0);
    const QColor silver(192, 192, 192);

    // a raised button: white on the top left, black on the bottom right
    QTest::newRow("program 32 highlight") << programIcon << 32 << QPoint(0, 0) << QColor(Qt::white);
    QTest::newRow("program 32 shadow") << programIcon << 32 << QPoint(31, 31) << QColor(Qt::black);
    QTest::newRow("program 32 face") << programIcon << 32 << QPoint(3, 16) << silver;
    QTest::newRow("program 32 knob") << programIcon << 32 << QPoint(14, 18) << silver;
    QTest::newRow("program 32 knob rim") << programIcon << 32 << QPoint(15, 6) << QColor(Qt::black);
    QTest::newRow("program 16 highlight") << programIcon << 16 << QPoint(0, 0) << QColor(Qt::white);
    QTest::newRow("program 16 shadow") << programIcon << 16 << QPoint(15, 15) << QColor(Qt::black);
    QTest::newRow("program 16 knob rim") << programIcon << 16 << QPoint(7, 3) << QColor(Qt::black);

    // a face in a circle: see-through in the corners
    QTest::newRow("about 32 corner") << aboutIcon << 32 << QPoint(0, 0) << clear;
    QTest::newRow("about 32 far corner") << aboutIcon << 32 << QPoint(31, 31) << clear;
    QTest::newRow("about 32 outline") << aboutIcon << 32 << QPoint(0, 15) << QColor(Qt::black);
    QTest::newRow("about 32 forehead") << aboutIcon << 32 << QPoint(15, 4) << yellow;
    QTest::newRow("about 32 cheek") << aboutIcon << 32 << QPoint(7, 16) << yellow;
    QTest::newRow("about 32 eye") << aboutIcon << 32 << QPoint(11, 10) << QColor(Qt::black);
    QTest::newRow("about 16 corner") << aboutIcon << 16 << QPoint(15, 0) << clear;
    QTest::newRow("about 16 face") << aboutIcon << 16 << QPoint(7, 2) << yellow;
}

void TestResources::iconPixels()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);

    const QImage image = QIcon(path).pixmap(QSize(size, size)).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    const QColor seen = image.pixelColor(where);
    if (colour.alpha() == 0) {
        QCOMPARE(seen.alpha(), 0);
    } else {
        QCOMPARE(seen.alpha(), 255);
        QCOMPARE(seen.rgb(), colour.rgb());
    }
}

void TestResources::pngCopiesMatchProgramIcon_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("16") << 16;
    QTest::newRow("32") << 32;
}

void TestResources::pngCopiesMatchProgramIcon()
{
    QFETCH(int, size);
    const QString png = QStringLiteral(ORVANTA_ICON_DIR "/orvanta-%1.png").arg(size);
    const QImage copy = QImage(png).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!copy.isNull(), qPrintable(png));
    const QImage original =
        QIcon(programIcon).pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(copy, original);
}

void TestResources::aboutPictureStructure()
{
    const QByteArray data = readAll(aboutPicture);
    QVERIFY(data.size() > 13 + 768);
    QVERIFY(data.startsWith("GIF89a"));
    QCOMPARE(le16(data, 6), 170);
    QCOMPARE(le16(data, 8), 170);
    const quint8 flags = quint8(data[10]);
    QVERIFY(flags & 0x80);          // a global colour table...
    QCOMPARE(flags & 0x07, 7);      // ...of 256 entries

    const std::optional<GifLayout> layout = readGifLayout(data, 13 + 3 * 256);
    QVERIFY(layout);
    QCOMPARE(layout->imageDescriptors, 1);
    QCOMPARE(layout->controlExtensions, 1);
    QVERIFY(layout->controlBeforeImage);
    QVERIFY(layout->transparentFlag);
    QCOMPARE(layout->transparentIndex, 255);
    QVERIFY(layout->trailer);
}

void TestResources::aboutPictureTransparency()
{
    const QImage image = QImage(aboutPicture).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(170, 170));
    int clear = 0;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            QVERIFY2(alpha == 0 || alpha == 255, "one colour is transparent, the rest opaque");
            ++(alpha == 0 ? clear : opaque);
        }
    }
    const int total = 170 * 170;
    QVERIFY2(clear > total / 5 && opaque > total / 5,
             qPrintable(QStringLiteral("%1 transparent, %2 opaque").arg(clear).arg(opaque)));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(169, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(85, 85)), 255);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
