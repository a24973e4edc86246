#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "platform/clipboard.h"
#include "setup/scene_check_window.h"
#include "tests/support/loaded_form.h"
#include "tests/support/message_boxes.h"

class SceneCheckWindowTest : public QObject {
    Q_OBJECT

private slots:
    void checksADroppedScene();
};

// A scene whose figure moved within the library and whose texture is gone, dropped onto the
// main window: its own window lists both, the figure's new place beneath it; Enter on that puts
// it on the clipboard, and "Save mended copy" writes the copy that names it.
void SceneCheckWindowTest::checksADroppedScene() {
    LoadedForm loaded;
    loaded.prefix.writeFile("Poser/Runtime/Geo/Figure.obj");
    loaded.prefix.writeFile("ol/oz", "C:\\Poser\\Runtime\\Geo\\Figure.obj\r\n");
    loaded.form.form1.PoserDir = "C:\\Poser";
    const QString scene = loaded.prefix.writeFile(
        "studio.pz3",
        "{\r\nfigureResFile :Runtime:Geometries:Figure.obj\r\ntextureMap gone.jpg\r\n}\r\n");

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(scene)});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&loaded.form, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop({10, 10}, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&loaded.form, &drop);

    auto* window = loaded.form.findChild<SceneCheckWindow*>();
    QVERIFY(window != nullptr);
    QCOMPARE(window->Label1->text(), "2 references, 2 missing, 1 without a candidate");
    QCOMPARE(window->List1->topLevelItemCount(), 2);
    QCOMPARE(window->List1->topLevelItem(1)->text(0), "3: textureMap: gone.jpg");
    QCOMPARE(window->List1->topLevelItem(1)->child(0)->text(0), "(none)");

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->List1->setCurrentItem(window->List1->topLevelItem(0)->child(0));
    QTest::keyClick(window->List1, Qt::Key_Return);
    QCOMPARE(clipboardText(), "C:\\Poser\\Runtime\\Geo\\Figure.obj");

    MessageBoxAnswerer ok;
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCOMPARE(ok.texts().size(), 1);
    QVERIFY2(ok.texts().first().endsWith("studio-mended.pz3"), qPrintable(ok.texts().first()));
    QCOMPARE(loaded.prefix.readFile("studio-mended.pz3"),
             "{\r\nfigureResFile :Runtime:Geo:Figure.obj\r\ntextureMap gone.jpg\r\n}\r\n");
}

QTEST_MAIN(SceneCheckWindowTest)
#include "scene_check_window_test.moc"
