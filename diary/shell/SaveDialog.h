#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// The folder chooser of backup and restore: a volume, a folder tree on it and the chosen
// folder's full path. Created once, so it opens at the folder chosen last in this run.
class TSaveDialogForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSaveDialogForm)

public:
    explicit TSaveDialogForm(QWidget* parent = nullptr);

    // Shows the chooser with its prompt; the chosen folder, or empty when not confirmed.
    // An empty start opens it at the folder chosen last.
    QString choose(const QString& caption, const QString& prompt, const QString& start = {});
    // Opens the tree at folder, on the volume that holds it.
    void openAt(const QString& folder);
    QString folder() const { return m_folder; }

    QLabel* Label1;
    QComboBox* DriveComboBox1;
    QTreeView* DirectoryListBox1;
    QLabel* pathLabel;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fillDrives();
    void DriveComboBox1Change(int index);
    void DirectoryListBox1Change();
    void showRoot(const QString& root);
    // The chosen folder's full path above the buttons, shortened in the middle when long.
    void showPath();

    QFileSystemModel* m_model;
    QString m_folder;
};
