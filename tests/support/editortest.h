#pragma once

#include "app/frmmain.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QTemporaryDir>

#include <memory>

// What the window tests share, made anew for each test function: a temporary
// folder, a fake platform whose shipped files lie in <tmp>/program, and a
// shown window.
class EditorTest
{
public:
    virtual ~EditorTest() = default;

protected:
    // False when the window could not be shown.
    bool createEditor();
    void destroyEditor();

    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    // Answers the folder prompt with typed and runs Load, answering Yes to the
    // question about unsaved changes (which is not kept among the messages).
    // The zones of the game folder are there when it returns, as they are for
    // the user a moment after the document shows.
    virtual void loadFolder(const QString &typed);
    // Makes <tmp>/game/data/pedgrp.dat hold bytes and loads that folder.
    QString loadGame(const QByteArray &bytes);
    // Forgets the questions and messages shown so far.
    void forgetDialogs();
    QStringList slotTexts() const;
    // The window's controls and menu entries, found by name.
    template <typename T> T *child(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    QAction *action(const char *name) const { return child<QAction>(QLatin1String(name)); }
    QComboBox *cmbareas() const { return child<QComboBox>(QStringLiteral("cmbareas")); }
    QComboBox *cmbped(int slot) const
    {
        return child<QComboBox>(QStringLiteral("cmbped%1").arg(slot));
    }
    QGroupBox *frameeditor() const { return child<QGroupBox>(QStringLiteral("frameeditor")); }

    static const ShownMessage ReallyLoad;
    // What Save asks when its file was changed since it was read.
    static ShownMessage changedOnDisk(const QString &shownPath);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    // Its data folder is a temporary folder of its own.
    std::unique_ptr<QTemporaryDir> m_dataDir;
    std::unique_ptr<VersionHistory> m_versions;
    std::unique_ptr<Editor> m_editor;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<FrmMain> m_window;
};
