#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QString>

class QComboBox;
class QWidget;

// A person's input as the tests give it: presses through the window where the control shows,
// keys to the focused widget, wheel notches to the window under the pointer.
namespace zeltest {

// The named child, or the test stops here: a renamed widget is a broken form.
template <typename T>
T* Child(const QObject* pParent, const char* pName)
{
    T* child = pParent->findChild<T*>(QLatin1String(pName));
    if (!child)
        qFatal("no child %s", pName);
    return child;
}

// Makes the window the active one, as a window manager does.
void Activate(QWidget* pWindow);
// Where, in its window, a press hits the control itself: check boxes and radio buttons on
// their indicator, others at their centre, else at the first point that nothing covers.
QPoint PressPoint(const QWidget* pControl);
// A press and release there, the control scrolled into view and its window activated first.
void Press(const QWidget* pControl);
// A key press and release to the focused widget, else to the active window.
void Key(int pKey, Qt::KeyboardModifiers pModifiers = Qt::NoModifier);
// Clicks into the control's text (a spin box's editor), selects it all and types over it.
void Type(QWidget* pControl, const QString& pText);
// Types over the text, then Return.
void Enter(QWidget* pControl, const QString& pText);
// A step up in a spin box: clicked into, then the Up key.
void StepUp(QWidget* pSpinBox);
// Wheel notches over the control, given to its window as the windowing system gives them, so
// that the window finds the widget under the pointer and the wheel may move the focus.
void Wheel(QWidget* pControl, int pSteps);
// Opens the combo box with the mouse and picks the item at pIndex with the keys.
void Choose(QComboBox* pCombo, int pIndex);
// A colour typed into the colour dialog's HTML field and, when it shows one, its alpha
// field. Tab leaves each field, so that the dialog's default button is not pressed.
void EnterColor(QWidget* pDialog, const QColor& pColor);

} // namespace zeltest
