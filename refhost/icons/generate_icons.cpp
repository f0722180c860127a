/*
 * Draws the reference host's icons (":/icons/icons/...") and the library's 16x16 logo.
 *
 * Run by hand from this folder whenever a drawing changes, then commit the PNGs:
 *   g++ -std=c++17 -fPIC generate_icons.cpp -o /tmp/generate_icons \
 *       $(pkg-config --cflags --libs Qt6Gui)
 *   /tmp/generate_icons icons ../../src/resources/logo/microLogo.png
 * The first argument is the icon folder; the second (optional) is where the logo goes.
 */

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cstdio>
#include <functional>

namespace
{

const QColor kAccent(18, 38, 170);         // #1226AA
const QColor kAccentHover(14, 32, 119);    // #0E2077
const QColor kInk(0, 0, 0, 138);           // secondary text
const QColor kInkDisabled(0, 0, 0, 64);
const QColor kWhite(255, 255, 255);
const QColor kTrackOff(189, 189, 189);
const QColor kTrackOffHover(158, 158, 158);
const QColor kTrackDisabled(224, 224, 224);
const QColor kAccentDisabled(160, 168, 221);
const QColor kCheckerLight(255, 255, 255);
const QColor kCheckerDark(204, 204, 204);

const int kSwitchWidth = 35;
const int kSwitchHeight = 18;

using Painter = std::function<void(QPainter&, const QSizeF&)>;

class IconWriter
{
public:
    explicit IconWriter(const QString& pRoot) : mRoot(pRoot) {}

    bool write(const QString& pName, int pWidth, int pHeight, const Painter& pPaint)
    {
        QImage image(pWidth, pHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, true);
            pPaint(painter, QSizeF(pWidth, pHeight));
        }
        const QString path = mRoot.isEmpty() ? pName : mRoot + QLatin1Char('/') + pName;
        QDir().mkpath(QFileInfo(path).absolutePath());
        // Straight alpha keeps the PNGs small and exact.
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
        {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            mOk = false;
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }

    bool ok() const { return mOk; }

private:
    QString mRoot;
    bool mOk = true;
};

// ---- Drawings -------------------------------------------------------------

Painter switchIcon(bool pOn, const QColor& pTrack, const QColor& pKnob, bool pShadow)
{
    return [=](QPainter& p, const QSizeF& s) {
        const QRectF track(0.5, 1.5, s.width() - 1.0, s.height() - 3.0);
        p.setPen(Qt::NoPen);
        p.setBrush(pTrack);
        p.drawRoundedRect(track, track.height() / 2.0, track.height() / 2.0);

        const qreal d = s.height() - 2.0;
        const qreal x = pOn ? s.width() - d - 1.0 : 1.0;
        const QRectF knob(x, 1.0, d, d);
        if (pShadow)
        {
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawEllipse(knob.translated(0, 0.8).adjusted(-0.4, -0.4, 0.4, 0.4));
        }
        p.setBrush(pKnob);
        p.drawEllipse(knob.adjusted(1.0, 1.0, -1.0, -1.0));
    };
}

Painter classicCheckIcon(bool pChecked, const QColor& pColor)
{
    return [=](QPainter& p, const QSizeF& s) {
        const qreal w = s.width();
        const QRectF box(0.5, 0.5, w - 1.0, s.height() - 1.0);
        const qreal radius = w / 8.0;
        if (pChecked)
        {
            p.setPen(Qt::NoPen);
            p.setBrush(pColor);
            p.drawRoundedRect(box, radius, radius);
            QPen pen(kWhite, w / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            QPolygonF tick;
            tick << QPointF(w * 0.24, w * 0.52) << QPointF(w * 0.42, w * 0.70)
                 << QPointF(w * 0.76, w * 0.32);
            p.drawPolyline(tick);
        }
        else
        {
            p.setPen(QPen(pColor, 1.5));
            p.setBrush(kWhite);
            p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        }
    };
}

Painter radioIcon(bool pChecked, const QColor& pColor)
{
    return [=](QPainter& p, const QSizeF& s) {
        const QRectF ring(1.25, 1.25, s.width() - 2.5, s.height() - 2.5);
        p.setPen(QPen(pColor, 1.5));
        p.setBrush(kWhite);
        p.drawEllipse(ring);
        if (pChecked)
        {
            p.setPen(Qt::NoPen);
            p.setBrush(pColor);
            const qreal inset = s.width() * 0.28;
            p.drawEllipse(QRectF(0, 0, s.width(), s.height()).adjusted(inset, inset, -inset, -inset));
        }
    };
}

// A chevron pointing right, rotated by pAngle degrees about the centre.
Painter chevron(const QColor& pColor, qreal pAngle, qreal pWidth = 1.6)
{
    return [=](QPainter& p, const QSizeF& s) {
        p.translate(s.width() / 2.0, s.height() / 2.0);
        p.rotate(pAngle);
        const qreal h = s.height() * 0.28;
        const qreal w = h * 0.55;
        QPen pen(pColor, pWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        QPolygonF line;
        line << QPointF(-w, -h) << QPointF(w, 0) << QPointF(-w, h);
        p.drawPolyline(line);
    };
}

// A shafted arrow pointing right, rotated by pAngle degrees.
Painter arrow(const QColor& pColor, qreal pAngle)
{
    return [=](QPainter& p, const QSizeF& s) {
        p.translate(s.width() / 2.0, s.height() / 2.0);
        p.rotate(pAngle);
        const qreal r = s.width() * 0.32;
        QPen pen(pColor, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.drawLine(QPointF(-r, 0), QPointF(r, 0));
        QPolygonF head;
        head << QPointF(r * 0.15, -r * 0.8) << QPointF(r, 0) << QPointF(r * 0.15, r * 0.8);
        p.drawPolyline(head);
    };
}

// A small filled triangle pointing up or down, for spin box buttons.
Painter triangle(const QColor& pColor, bool pUp)
{
    return [=](QPainter& p, const QSizeF& s) {
        const qreal w = s.width();
        const qreal h = s.height();
        QPolygonF tri;
        if (pUp)
            tri << QPointF(w * 0.15, h * 0.72) << QPointF(w * 0.5, h * 0.30)
                << QPointF(w * 0.85, h * 0.72);
        else
            tri << QPointF(w * 0.15, h * 0.30) << QPointF(w * 0.5, h * 0.72)
                << QPointF(w * 0.85, h * 0.30);
        p.setPen(QPen(pColor, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(pColor);
        p.drawPolygon(tri);
    };
}

Painter cross(const QColor& pColor, qreal pWidth)
{
    return [=](QPainter& p, const QSizeF& s) {
        const qreal m = s.width() * 0.28;
        p.setPen(QPen(pColor, pWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(m, m), QPointF(s.width() - m, s.height() - m));
        p.drawLine(QPointF(s.width() - m, m), QPointF(m, s.height() - m));
    };
}

Painter tick(const QColor& pColor)
{
    return [=](QPainter& p, const QSizeF& s) {
        const qreal w = s.width();
        p.setPen(QPen(pColor, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygonF line;
        line << QPointF(w * 0.2, w * 0.52) << QPointF(w * 0.42, w * 0.72)
             << QPointF(w * 0.8, w * 0.3);
        p.drawPolyline(line);
    };
}

// Transparency checkerboard behind colour swatches; the corners follow the swatch radius.
Painter checker(int pCell, qreal pRadius)
{
    return [=](QPainter& p, const QSizeF& s) {
        QPainterPath clip;
        clip.addRoundedRect(QRectF(QPointF(0, 0), s), pRadius, pRadius);
        p.setClipPath(clip);
        p.fillRect(QRectF(QPointF(0, 0), s), kCheckerLight);
        for (int y = 0; y * pCell < s.height(); ++y)
            for (int x = 0; x * pCell < s.width(); ++x)
                if ((x + y) % 2)
                    p.fillRect(QRectF(x * pCell, y * pCell, pCell, pCell), kCheckerDark);
    };
}

// The logo: a cube seen from a corner, on an accent tile.
void paintLogo(QPainter& p, const QSizeF& s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(QPointF(0, 0), s), 3.0, 3.0);

    const QPointF c(8.0, 8.3);
    const qreal r = 5.2;
    const QPointF top(c.x(), c.y() - r);
    const QPointF upLeft(c.x() - r * 0.866, c.y() - r * 0.5);
    const QPointF upRight(c.x() + r * 0.866, c.y() - r * 0.5);
    const QPointF lowLeft(c.x() - r * 0.866, c.y() + r * 0.5);
    const QPointF lowRight(c.x() + r * 0.866, c.y() + r * 0.5);
    const QPointF bottom(c.x(), c.y() + r);

    QPolygonF topFace;
    topFace << top << upRight << c << upLeft;
    QPolygonF leftFace;
    leftFace << upLeft << c << bottom << lowLeft;
    QPolygonF rightFace;
    rightFace << c << upRight << lowRight << bottom;
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(topFace);
    p.setBrush(QColor(255, 255, 255, 185));
    p.drawPolygon(leftFace);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPolygon(rightFace);
}

} // namespace

int main(int pArgc, char** pArgv)
{
    const QString root = pArgc > 1 ? QString::fromLocal8Bit(pArgv[1]) : QStringLiteral("icons");
    IconWriter out(root);

    // Switches of the check boxes.
    const int sw = kSwitchWidth;
    const int sh = kSwitchHeight;
    out.write("switch_on.png", sw, sh, switchIcon(true, kAccent, kWhite, true));
    out.write("switch_off.png", sw, sh, switchIcon(false, kTrackOff, kWhite, true));
    out.write("hovered/switch_on.png", sw, sh, switchIcon(true, kAccentHover, kWhite, true));
    out.write("hovered/switch_off.png", sw, sh, switchIcon(false, kTrackOffHover, kWhite, true));
    out.write("disabled/switch_on.png", sw, sh,
              switchIcon(true, kAccentDisabled, QColor(250, 250, 250), false));
    out.write("disabled/switch_off.png", sw, sh,
              switchIcon(false, kTrackDisabled, QColor(250, 250, 250), false));

    // Classic check boxes and radio buttons.
    out.write("checkbox_checked.png", 16, 16, classicCheckIcon(true, kAccent));
    out.write("checkbox_unchecked.png", 16, 16, classicCheckIcon(false, QColor(112, 112, 112)));
    out.write("disabled/checkbox_checked.png", 16, 16, classicCheckIcon(true, kAccentDisabled));
    out.write("disabled/checkbox_unchecked.png", 16, 16,
              classicCheckIcon(false, QColor(200, 200, 200)));
    out.write("mini/checkbox_checked.png", 12, 12, classicCheckIcon(true, kAccent));
    out.write("mini/checkbox_unchecked.png", 12, 12,
              classicCheckIcon(false, QColor(112, 112, 112)));
    out.write("mini/disabled/checkbox_checked.png", 12, 12,
              classicCheckIcon(true, kAccentDisabled));
    out.write("mini/disabled/checkbox_unchecked.png", 12, 12,
              classicCheckIcon(false, QColor(200, 200, 200)));
    out.write("radio_checked.png", 16, 16, radioIcon(true, kAccent));
    out.write("radio_unchecked.png", 16, 16, radioIcon(false, QColor(112, 112, 112)));
    out.write("hovered/radio_unchecked.png", 16, 16, radioIcon(false, kAccent));
    out.write("disabled/radio_checked.png", 16, 16, radioIcon(true, kAccentDisabled));
    out.write("disabled/radio_unchecked.png", 16, 16, radioIcon(false, QColor(200, 200, 200)));

    // Arrows of the list move buttons, menus and tab scrollers.
    out.write("arrow_right.png", 16, 16, arrow(kAccent, 0));
    out.write("arrow_left.png", 16, 16, arrow(kAccent, 180));
    out.write("arrow_up.png", 16, 16, arrow(kAccent, -90));
    out.write("arrow_down.png", 16, 16, arrow(kAccent, 90));
    out.write("chevron_right.png", 12, 12, chevron(kInk, 0));
    out.write("chevron_left.png", 12, 12, chevron(kInk, 180));

    // Spin box buttons.
    out.write("spin_up.png", 10, 10, triangle(kInk, true));
    out.write("spin_down.png", 10, 10, triangle(kInk, false));
    out.write("hovered/spin_up.png", 10, 10, triangle(kAccent, true));
    out.write("hovered/spin_down.png", 10, 10, triangle(kAccent, false));
    out.write("disabled/spin_up.png", 10, 10, triangle(kInkDisabled, true));
    out.write("disabled/spin_down.png", 10, 10, triangle(kInkDisabled, false));

    // Drop-down chevrons. The hovered one is white: it sits on filled, hovered or accent
    // buttons (the export "more" button); combo boxes turn to the accent one instead.
    out.write("arrow_chevron_down.png", 16, 16, chevron(kInk, 90, 1.8));
    out.write("hovered/arrow_chevron_down.png", 16, 16, chevron(kWhite, 90, 1.8));
    out.write("active/arrow_chevron_down.png", 16, 16, chevron(kAccent, 90, 1.8));
    out.write("disabled/arrow_chevron_down.png", 16, 16, chevron(kInkDisabled, 90, 1.8));

    // Close button of the dialogs: dark cross, white on the red hover.
    out.write("close.png", 16, 16, cross(QColor(0, 0, 0, 170), 1.6));
    out.write("hovered/close.png", 16, 16, cross(kWhite, 1.8));

    // Menu check mark.
    out.write("check.png", 16, 16, tick(kAccent));

    // Swatch background.
    out.write("checker_rounded.png", 64, 32, checker(8, 12.0));

    IconWriter logo{QString()};
    if (pArgc > 2)
        logo.write(QString::fromLocal8Bit(pArgv[2]), 16, 16, paintLogo);

    return out.ok() && logo.ok() ? 0 : 1;
}
