// Draws the window icon: an orange sunset sky over a light-cyan band that
// carries the program's name in purple Arabic lettering.
// Usage: filora-make-icon OUTPUT.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QFont>
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int s = atoi(argv[2]);
    QImage img(s, s, QImage::Format_RGB888);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s / 72.0, s / 72.0);
    QLinearGradient sky(0, 0, 0, 40);
    sky.setColorAt(0, QColor(120, 40, 90)); sky.setColorAt(0.45, QColor(235, 95, 40)); sky.setColorAt(1, QColor(255, 190, 80));
    p.fillRect(QRectF(0, 0, 72, 72), sky);
    QRadialGradient sun(QPointF(36, 40), 16); sun.setColorAt(0, QColor(255, 245, 190)); sun.setColorAt(0.6, QColor(255, 210, 90)); sun.setColorAt(1, QColor(255, 160, 60, 0));
    p.setPen(Qt::NoPen); p.setBrush(sun); p.drawEllipse(QPointF(36, 40), 16, 16);
    p.fillRect(QRectF(0, 40, 72, 32), QColor(170, 240, 240));
    p.fillRect(QRectF(0, 40, 72, 2), QColor(120, 200, 210));
    QFont f; f.setFamilies({"Noto Naskh Arabic UI"}); f.setPixelSize(21); f.setBold(true);
    p.setFont(f); p.setPen(QColor(110, 30, 140));
    p.drawText(QRectF(0, 40, 72, 32), Qt::AlignCenter, QString::fromUtf8("فيلورا"));
    p.end();
    img.save(argv[1]);
}
