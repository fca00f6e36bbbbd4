#pragma once

#include "editor/editcommands.h"

#include <QColor>
#include <QComboBox>

// Red text, as desktop colour schemes mark an error.
inline const QColor ErrorColour(0xbf, 0x03, 0x03);

// A drop-down list whose wheel works only while it has the keyboard focus:
// scrolling over the window must not change what it shows.
class AreaList : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent *event) override;
};

// One of the eight slot boxes: an editable list of the catalogue. It tells the
// user's edits from the texts the window shows, keeps its list position on the
// text it shows, leaves Undo and Redo to the document, and drops from what the
// user types or pastes the characters an area's line cannot hold.
class SlotBox : public QComboBox
{
    Q_OBJECT

public:
    SlotBox(int slot, const QStringList &names, QWidget *parent);

    // Shows a text of the document, whole: not an edit of the user's.
    void showText(const QString &text);
    // Shows the text in red, with a tooltip naming the first of the names,
    // while there are any.
    void markUnknownNames(const QStringList &names);
    // The tooltip of a slot that holds a name the game will not find.
    static QString unknownModelTip(const QString &name);

signals:
    void edited(int slot, const QString &text, SlotEdit kind);
    void typingEnded();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void textChanged(const QString &text);
    void followListPosition();

    int m_slot;
    bool m_showing = false;
    bool m_typing = false;
};
