#pragma once

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "platform/drives.h"
#include "platform/folder_lists.h"
#include "platform/one_copy_lock.h"

class ClickTextBox;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Form2;
class Form4;
class Form5;
class Form6;
struct ScanWalk;

// The main window. It owns the program-wide state for the program's lifetime; other windows
// reach it directly. Each handler is defined in the folder of the subsystem that owns it.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    // The start-up steps. False when another copy already runs: the program then ends at
    // once, having touched nothing.
    bool Form_Load();

    // Closes every window and ends the program; a scan letting events run stops at its next
    // step.
    void End();

    // Program-wide state.
    QString PoserDir;
    QString nl;
    QVariant ans;  // a Yes/No answer, then an extension during a scan, a line during a look-up
    qsizetype totalfoldersA = 0;
    qsizetype totalfilesA = 0;

    // The drives as Wine sees them, read at start-up.
    WineDrives drives;

    // The help pages, each existing at most once; the pages reach them to page on.
    QPointer<Form4> helpPage1;
    QPointer<Form5> helpPage2;
    QPointer<Form6> helpPage3;

    // Controls.
    ClickTextBox* Text2;
    QLabel* Label2;
    QPlainTextEdit* Text1;
    QPushButton* Command9;
    QPushButton* Command6;
    QPushButton* Command10;
    QPushButton* Command11;
    QPushButton* Command12;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command7;
    QCheckBox* Check1;
    QLabel* Label3;
    QLabel* Label1;

    // The scan's folder and file lists: enumerators, never shown.
    FolderList Dir1, Dir2, Dir3, Dir4, Dir5, Dir6, Dir7, Dir8, Dir9, Dir10;
    FileList File1, File2, File3, File4, File5, File6, File7, File8;

    // Library scan (index/): its working values outlive the walk. A file's name and line are
    // held as UTF-8, as the lists give them and the index file holds them.
    qsizetype folderindex[9] = {};  // levels 1 to 8
    qsizetype lastfolder[9] = {};   // levels 1 to 8; level 1 ends at `totalfoldersA` - 1
    QString folderpath[9];          // levels 1 to 8
    qsizetype filecount = 0;
    qsizetype fileindex = 0;
    QByteArray filename;
    QByteArray fullname;
    qsizetype dotpos = 0;
    bool scanning = false;     // a walk is writing the index file
    bool indexOpened = false;  // the last walk could create or empty the index file

    // Missing-file look-up (lookup/).
    qsizetype hits = 0;
    QString hit1, hit2, hit3, hit4, hit5;
    QString cliptext;
    QString lookname;

    // Handlers of the controls.
    void Text2_Click();
    void Command9_Click();
    void Command6_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void PrepareScan();
    void ScanLibrary();
    bool ScanFiles(const FileList& files, ScanWalk& walk);
    bool LetEventsRun(ScanWalk& walk);

    void createControls();
    void connectHandlers();

    OneCopyLock oneCopy;
    QPointer<Form2> poserFolderDialog;
    bool ending = false;
};
