// Draws the program's pictures into PNG files at build time; the build then
// compiles them into the executable as Qt resources. It draws the program's
// icon too, olv8-manager-<size>.png in each size given, for installing. Usage:
//   olv_draw_pictures <output folder> [<icon size>...]
// Every picture is drawn on a 100 x 100 grid (the device pictures on 104 x 60)
// and scaled to its size, so the shapes stay crisp at the small sizes used; the
// backgrounds of the edit-device dialog are drawn at their own size.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

bool Save(const QString& folder, const char* name, int width, int height, double grid_width,
          double grid_height, const Draw& draw) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width / grid_width, height / grid_height);
    draw(painter);
  }
  const QString path = folder + "/" + name;
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "olv_draw_pictures: cannot write %s\n", path.toLocal8Bit().constData());
    return false;
  }
  return true;
}

// An OLV door controller seen from the front: a case with a reader window, a
// keypad and a state lamp. Grid 104 x 60.
Draw Device(bool active) {
  return [active](QPainter& p) {
    const QColor body = active ? QColor(58, 84, 128) : QColor(150, 156, 166);
    const QColor edge = active ? QColor(28, 44, 76) : QColor(110, 114, 122);
    p.setPen(QPen(edge, 2.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 4, 96, 52), 8, 8);
    // Reader window.
    p.setPen(QPen(edge, 1.5));
    p.setBrush(active ? QColor(196, 222, 250) : QColor(210, 212, 216));
    p.drawRoundedRect(QRectF(12, 12, 38, 36), 5, 5);
    // The card symbol in the reader window: concentric arcs.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(active ? QColor(40, 90, 170) : QColor(150, 152, 158), 3, Qt::SolidLine, Qt::RoundCap));
    for (int r = 6; r <= 14; r += 4) p.drawArc(QRectF(31 - r, 30 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    p.setBrush(active ? QColor(40, 90, 170) : QColor(150, 152, 158));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(27, 30), 2.5, 2.5);
    // Keypad: 3 x 3 keys.
    p.setBrush(active ? QColor(226, 232, 242) : QColor(196, 198, 202));
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 3; ++col) p.drawRoundedRect(QRectF(58 + col * 9, 14 + row * 9, 7, 7), 1.5, 1.5);
    // State lamp.
    p.setPen(QPen(edge, 1.5));
    p.setBrush(active ? QColor(60, 220, 80) : QColor(200, 60, 60));
    p.drawEllipse(QPointF(88, 46), 5, 5);
  };
}

Draw DeviceEditor() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(28, 44, 76), 6));
    p.setBrush(QColor(58, 84, 128));
    p.drawRoundedRect(QRectF(8, 16, 66, 74), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 222, 250));
    p.drawRoundedRect(QRectF(20, 28, 42, 24), 4, 4);
    p.setBrush(QColor(60, 220, 80));
    p.drawEllipse(QPointF(41, 72), 7, 7);
    // A pencil across the corner.
    p.save();
    p.translate(74, 44);
    p.rotate(45);
    p.setPen(QPen(QColor(90, 60, 20), 4));
    p.setBrush(QColor(242, 180, 40));
    p.drawRect(QRectF(-9, -34, 18, 52));
    QPainterPath tip;
    tip.moveTo(-9, 18);
    tip.lineTo(9, 18);
    tip.lineTo(0, 36);
    tip.closeSubpath();
    p.setBrush(QColor(240, 214, 170));
    p.drawPath(tip);
    p.restore();
  };
}

Draw UserEditor() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(30, 60, 110), 5));
    p.setBrush(QColor(90, 140, 210));
    p.drawEllipse(QPointF(50, 30), 20, 20);
    QPainterPath shoulders;
    shoulders.moveTo(10, 94);
    shoulders.cubicTo(10, 60, 30, 54, 50, 54);
    shoulders.cubicTo(70, 54, 90, 60, 90, 94);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
  };
}

Draw AccessEditor() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(110, 80, 10), 6));
    p.setBrush(QColor(236, 190, 50));
    p.drawEllipse(QPointF(30, 50), 22, 22);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(26, 50), 7, 7);
    p.setBrush(QColor(236, 190, 50));
    QPainterPath shaft;
    shaft.addRect(QRectF(50, 44, 44, 12));
    shaft.addRect(QRectF(76, 56, 8, 14));
    shaft.addRect(QRectF(62, 56, 8, 10));
    p.drawPath(shaft.simplified());
  };
}

Draw Synchronisation() {
  return [](QPainter& p) {
    const QColor colour(30, 130, 70);
    p.setPen(QPen(colour, 10, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(18, 18, 64, 64);
    p.drawArc(circle, 30 * 16, 140 * 16);
    p.drawArc(circle, 210 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    // Arrow heads at the ends of the two arcs, pointing along the turn.
    QPainterPath heads;
    heads.moveTo(4, 42);
    heads.lineTo(32, 42);
    heads.lineTo(18, 62);
    heads.closeSubpath();
    heads.moveTo(96, 58);
    heads.lineTo(68, 58);
    heads.lineTo(82, 38);
    heads.closeSubpath();
    p.drawPath(heads);
  };
}

Draw Statistics() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 5, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 92));
    p.drawLine(QPointF(8, 92), QPointF(94, 92));
    p.setPen(QPen(QColor(30, 60, 110), 3));
    const QColor bars[] = {QColor(90, 140, 210), QColor(230, 120, 50), QColor(60, 170, 90)};
    const double heights[] = {40, 70, 55};
    for (int i = 0; i < 3; ++i) {
      p.setBrush(bars[i]);
      p.drawRect(QRectF(18 + i * 26, 88 - heights[i], 20, heights[i]));
    }
  };
}

Draw Tick() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(30, 150, 60), 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(14, 52);
    tick.lineTo(40, 78);
    tick.lineTo(86, 22);
    p.drawPath(tick);
  };
}

Draw Cross() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(200, 50, 50), 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(80, 80));
    p.drawLine(QPointF(80, 20), QPointF(20, 80));
  };
}

// The edit-device dialog's background, 706 x 400: the window's colour, and on
// the left a panel with the device and what its two ports carry: reader 0 at
// the top, reader 1 or a push button at the bottom, each joined to the device
// by its cable.
Draw DeviceBackground(bool button) {
  return [button](QPainter& p) {
    p.fillRect(QRectF(0, 0, 706, 400), QColor(232, 241, 255));
    p.setPen(QPen(QColor(196, 212, 238), 1.5));
    p.setBrush(QColor(218, 231, 252));
    p.drawRoundedRect(QRectF(8, 8, 186, 384), 12, 12);

    const QColor edge(28, 44, 76);
    const QColor cable(90, 98, 112);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cable, 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cables;
    cables.moveTo(62, 96);
    cables.cubicTo(62, 130, 100, 130, 100, 158);
    cables.moveTo(100, 254);
    cables.cubicTo(100, 282, 62, 282, 62, 300);
    p.drawPath(cables);

    // The device: a case with a display and a state lamp.
    p.setPen(QPen(edge, 2.5));
    p.setBrush(QColor(58, 84, 128));
    p.drawRoundedRect(QRectF(56, 156, 90, 100), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 222, 250));
    p.drawRoundedRect(QRectF(68, 170, 66, 34), 4, 4);
    p.setBrush(QColor(60, 220, 80));
    p.drawEllipse(QPointF(101, 232), 7, 7);

    // A reader: a tall case with the card symbol and a keypad.
    const auto reader = [&p, edge](double x, double y) {
      p.setPen(QPen(edge, 2));
      p.setBrush(QColor(238, 242, 248));
      p.drawRoundedRect(QRectF(x, y, 48, 70), 7, 7);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(40, 90, 170), 2.5, Qt::SolidLine, Qt::RoundCap));
      for (int r = 5; r <= 13; r += 4) p.drawArc(QRectF(x + 20 - r, y + 22 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(150, 160, 176));
      for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) p.drawRoundedRect(QRectF(x + 8 + col * 12, y + 44 + row * 10, 8, 6), 1.5, 1.5);
    };
    reader(38, 26);
    if (button) {
      // A push button on its wall plate.
      p.setPen(QPen(edge, 2));
      p.setBrush(QColor(238, 242, 248));
      p.drawRoundedRect(QRectF(34, 300, 56, 56), 7, 7);
      p.setBrush(QColor(200, 50, 50));
      p.drawEllipse(QPointF(62, 328), 17, 17);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(240, 130, 120));
      p.drawEllipse(QPointF(57, 322), 6, 5);
    } else {
      reader(38, 300);
    }

    p.setPen(QColor(28, 44, 76));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(92, 50, 100, 20), Qt::AlignLeft, QStringLiteral("port 0"));
    p.drawText(QRectF(98, 320, 94, 20), Qt::AlignLeft, QStringLiteral("port 1"));
  };
}

// The program's icon: a door controller on a blue tile, its reader window
// showing the card symbol, and the green lamp of a device that answers.
Draw ProgramIcon() {
  return [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 84, 128));
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 18, 18);
    p.setBrush(QColor(196, 222, 250));
    p.drawRoundedRect(QRectF(18, 16, 64, 50), 8, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 90, 170), 6, Qt::SolidLine, Qt::RoundCap));
    for (int r = 9; r <= 27; r += 9) p.drawArc(QRectF(38 - r, 41 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    p.drawEllipse(QPointF(33, 41), 5, 5);
    p.setBrush(QColor(60, 220, 80));
    p.drawEllipse(QPointF(50, 80), 8, 8);
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: olv_draw_pictures <output folder> [<icon size>...]\n");
    return 2;
  }
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  constexpr int kIcon = 19;
  bool ok = true;
  ok &= Save(folder, "urzadzenie_nieaktywne.png", 52, 30, 104, 60, Device(false));
  ok &= Save(folder, "urzadzenie_aktywne.png", 52, 30, 104, 60, Device(true));
  ok &= Save(folder, "edytor_urzadzen.png", kIcon, kIcon, 100, 100, DeviceEditor());
  ok &= Save(folder, "edytor_uzytkownikow.png", kIcon, kIcon, 100, 100, UserEditor());
  ok &= Save(folder, "edytor_dostepow.png", kIcon, kIcon, 100, 100, AccessEditor());
  ok &= Save(folder, "synchronizacja.png", kIcon, kIcon, 100, 100, Synchronisation());
  ok &= Save(folder, "statystyka.png", kIcon, kIcon, 100, 100, Statistics());
  ok &= Save(folder, "ok.png", kIcon, kIcon, 100, 100, Tick());
  ok &= Save(folder, "anuluj.png", kIcon, kIcon, 100, 100, Cross());
  ok &= Save(folder, "tlo_czytniki.png", 706, 400, 706, 400, DeviceBackground(false));
  ok &= Save(folder, "tlo_przycisk.png", 706, 400, 706, 400, DeviceBackground(true));
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size <= 0) {
      std::fprintf(stderr, "olv_draw_pictures: not an icon size: %s\n", argv[i]);
      return 2;
    }
    const QByteArray name = QByteArray("olv8-manager-") + argv[i] + ".png";
    ok &= Save(folder, name.constData(), size, size, 100, 100, ProgramIcon());
  }
  return ok ? 0 : 1;
}
