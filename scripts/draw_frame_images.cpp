// Draws the window icons of the panel: one logo per brand and a neutral icon. Run by hand when a
// picture changes; the PNG files in source/view_cpp/images are its output. No build includes it.
//   g++ -std=c++17 -fPIC draw_frame_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o draw
//   QT_QPA_PLATFORM=offscreen ./draw ../source/view_cpp/images

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

void drawLogo(const QString &path, const QColor &background, const QColor &foreground,
              const QString &letter)
{
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(4, 4, 88, 88), 18, 18);
    // Three rising waves of steam above the initial.
    QPen steam(foreground, 4, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(steam);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 30 + i * 18;
        QPainterPath wave(QPointF(x, 38));
        wave.cubicTo(QPointF(x - 8, 30), QPointF(x + 8, 24), QPointF(x, 14));
        painter.drawPath(wave);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(4, 40, 88, 48), Qt::AlignCenter, letter);
    painter.end();
    image.save(path);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    drawLogo(directory + "/vaho_96.png", QColor(0x8a, 0x3b, 0x12), Qt::white, "V");
    drawLogo(directory + "/lumo_96.png", QColor(0x1d, 0x4e, 0x89), Qt::white, "L");
    drawLogo(directory + "/orvela_96.png", QColor(0x2e, 0x6b, 0x3a), Qt::white, "O");
    drawLogo(directory + "/kastela_96.png", QColor(0x4a, 0x4a, 0x4a), QColor(0xf0, 0xc0, 0x40),
             "K");
    drawLogo(directory + "/Flaticon_34964.png", QColor(0xd0, 0xd0, 0xd0), QColor(0x30, 0x30, 0x30),
             "~");
    return 0;
}
