#pragma once

#include "platform/ImeMode.h"

#include <QFont>
#include <QIcon>
#include <QList>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <variant>

class QWidget;

namespace platform {

// What a control of a window is.
enum class Kind {
    Frame,         // a captioned Frame3D that holds other controls
    Panel,         // a raised Panel3D
    InsetPanel,    // a sunken Panel3D
    Label,         // a plain QLabel
    TextBox,       // a QLineEdit
    PasswordBox,   // a QLineEdit that shows "*" for each character
    LinesBox,      // a MultiLineBox
    ComboBox,      // an editable QComboBox; typing adds no entry to its list, and completes case-sensitively
    DropList,      // a QComboBox that only drops down its list
    List,          // a QListWidget of single choice
    NameList,      // a NameList: the names of a query's rows
    Button,        // a Button3D, its picture beside its caption
    PictureButton, // a Button3D with its picture above its caption; never a default button
    PictureBox,    // a PictureBox
    DriveList,     // a DriveList
    FolderList,    // a FolderList
    FileList,      // a FileList
};

// A picture by its name in the icon theme, or the picture itself.
using Picture = std::variant<QString, QIcon>;

// Where the pointer to a made control goes: a pointer of the control's class or of a base of
// it. A control that is not of that class stops the program as soon as the window is made.
struct Target {
    Target() = default;
    template <class T> Target(T** slot) : put([slot](QWidget* made) { *slot = checked<T>(made); }) {}
    template <class T> static T* checked(QWidget* made) {
        if (T* control = qobject_cast<T*>(made))
            return control;
        wrongClass(made, T::staticMetaObject.className());
    }
    [[noreturn]] static void wrongClass(const QWidget* made, const char* wanted);

    std::function<void(QWidget*)> put;
};

// What a control shows and how it behaves, where it differs from its kind, and where its
// pointer goes.
struct Properties {
    QString text = {}; // the caption
    QString tip = {};  // what a control without a caption does, shown under the pointer
    Picture icon = {};
    int iconSize = 0; // in pixels, both ways; 0 for the style's size
    std::optional<QFont> font = {};
    std::optional<ImeMode> ime = {};
    Qt::Alignment align = {};
    QString style = {}; // a style sheet
    bool hidden = false;
    bool lowered = false;   // under the controls made before it where they overlap
    bool isDefault = false; // whether Return in a dialog presses the button wherever the focus is
    Target to = {};
};

// One control of a window: what it is, its name, and its place in twips inside the window or
// frame it is laid out in.
struct Control {
    Kind kind;
    QString name;
    QRectF at; // left, top, width, height
    Properties is = {};
};

// Makes the controls inside a window or frame in the order given, which is the order of the
// Tab key and, where they overlap, the later on top. A font given is that of every control
// whose row gives none.
void layOut(QWidget* parent, const QList<Control>& controls, const std::optional<QFont>& font = {});

// A font of a size that may have a fraction of a point.
QFont fontOf(const QString& family, double points);

// Lets the Tab key visit the widgets in this order.
void chainTabOrder(const QList<QWidget*>& widgets);

} // namespace platform
