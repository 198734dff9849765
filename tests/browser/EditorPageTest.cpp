// The editor page of the window as a user meets it: changing a sketch, the question before
// it is left, saving, other formats, printing and the keys of each page.
#include "BrowserTestSupport.h"
#include "browser/EditorSession.h"
#include "browser/MainWindow.h"
#include "browser/PreviewThumbnailList.h"
#include "browser/ThumbnailItem.h"
#include "editor/LayerManager.h"
#include "editor/SketchViewer.h"
#include "export/PrinterService.h"
#include "ink/Document.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace TestSupport;

namespace {

const QString kLeaveQuestion = "The file has been modified.  Would you like to save your changes?";
const QString kCloseQuestion = "The file has been modified. Would you like to save your changes ?";

/// Layers, strokes and points of an ink document, and where its points lie.
struct InkShape
{
    std::vector<std::size_t> pointsPerStroke;
    QRectF bounds;
};

InkShape shapeOf(const Nivo::Document &ink)
{
    InkShape shape;
    QPolygonF points;
    for (const Nivo::Layer &layer : ink.elements())
        for (const Nivo::Stroke &stroke : layer.elements()) {
            shape.pointsPerStroke.push_back(stroke.elements().size());
            for (const Nivo::Point &point : stroke.elements())
                points << QPointF(point.x.value(), point.y.value());
        }
    shape.bounds = points.boundingRect();
    return shape;
}

void expectNear(const QRectF &a, const QRectF &b)
{
    EXPECT_NEAR(a.left(), b.left(), 1.0);
    EXPECT_NEAR(a.top(), b.top(), 1.0);
    EXPECT_NEAR(a.right(), b.right(), 1.0);
    EXPECT_NEAR(a.bottom(), b.bottom(), 1.0);
}

class EditorPageTest : public BrowserFixture
{
protected:
    /// A window on a folder of three sketches (one, two and one layers), with s001 open.
    void openSecondSketch(const QString &name)
    {
        m_folder = folder(name, 3);
        m_window.init(m_folder, "user.xml");
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(thumbnailsLoaded(*m_window.thumbnailList(), 3));
        m_window.thumbnailList()->setCurrentRow(1);
        m_window.editSelectedThumbnail();
        ASSERT_EQ(m_window.currentPage(), 1);
        ASSERT_EQ(layers().count(), 2);
        m_dialogs->messages.clear();
    }
    LayerManager &editor() const { return *m_window.layerEditor(); }
    QListWidget &layers() const { return *editor().layerList(); }
    QString shownFile() const { return QFileInfo(editor().document()->path()).fileName(); }
    /// Selects the first layer with a click and deletes it with the button.
    void deleteFirstLayer()
    {
        QListWidget &list = layers();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(0)).center());
        editor().findChild<QPushButton *>("deleteButton")->click();
    }
    void press(const QKeySequence &keys)
    {
        // As a window is active again once the progress of its last command has closed.
        QApplication::setActiveWindow(&m_window);
        QTest::keySequence(&m_window, keys);
        QCoreApplication::processEvents();
    }
    QStringList actionsOn(const QKeySequence &keys) const
    {
        QStringList texts;
        for (const QAction *action : m_window.findChildren<QAction *>())
            if (action->shortcuts().contains(keys))
                texts << action->text();
        return texts;
    }

    QString m_folder;
    TestWindow m_window;
};

} // namespace

TEST_F(EditorPageTest, AChangedSketchIsSavedDiscardedOrKeptWhereverItIsLeft)
{
    openSecondSketch("ask");
    EditorSession &session = *m_window.session();
    EXPECT_FALSE(session.saveAction()->isEnabled());
    deleteFirstLayer();
    ASSERT_EQ(layers().count(), 1);
    EXPECT_TRUE(editor().isModified());
    EXPECT_TRUE(session.saveAction()->isEnabled());
    // Undo and redo follow the editor's stack, from their keys as from their entries.
    EXPECT_TRUE(session.undoAction()->isEnabled());
    press(QKeySequence("Ctrl+Z"));
    EXPECT_EQ(layers().count(), 2);
    EXPECT_FALSE(editor().isModified());
    EXPECT_TRUE(session.redoAction()->isEnabled());
    press(QKeySequence("Ctrl+Y"));
    EXPECT_EQ(layers().count(), 1);

    // Cancel keeps the sketch open, from the back button as from next.
    m_dialogs->buttonAnswers = {QMessageBox::Cancel, QMessageBox::Cancel};
    m_window.editorPage()->backButton()->click();
    EXPECT_EQ(m_window.currentPage(), 1);
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].title, "Quillo Draftbay");
    EXPECT_EQ(m_dialogs->messages[0].text,
              kLeaveQuestion + "\n" + QDir::toNativeSeparators(m_folder + "/s001.qpe") + "?");
    m_window.editorPage()->nextButton()->click();
    EXPECT_EQ(shownFile(), "s001.qpe");
    EXPECT_EQ(m_window.thumbnailList()->currentRow(), 1) << "the selection stays";
    EXPECT_EQ(layers().count(), 1);

    // Discard goes on to the next sketch and leaves the file as it was.
    m_dialogs->buttonAnswers = {QMessageBox::Discard};
    m_window.editorPage()->nextButton()->click();
    EXPECT_EQ(shownFile(), "s002.qpe");
    EXPECT_FALSE(editor().isModified());
    EXPECT_FALSE(session.undoAction()->isEnabled());
    m_window.editorPage()->previousButton()->click();
    EXPECT_EQ(shownFile(), "s001.qpe");
    EXPECT_EQ(layers().count(), 2);
    EXPECT_EQ(m_dialogs->messages.size(), 3) << "an unchanged sketch is left without a question";

    // Save of a pen file asks for a document name; the pen file itself is never written.
    const QByteArray pen = fileBytes(m_folder + "/s001.qpe");
    deleteFirstLayer();
    m_dialogs->buttonAnswers = {QMessageBox::Save};
    m_dialogs->pathAnswers = {m_folder + "/kept"};
    m_window.editorPage()->backButton()->click();
    EXPECT_EQ(m_window.currentPage(), 0);
    ASSERT_EQ(m_dialogs->fileQuestions.size(), 1);
    EXPECT_EQ(m_dialogs->fileQuestions[0].caption, "Save as");
    EXPECT_EQ(m_dialogs->fileQuestions[0].filters, "Quillo files (*.vmr)");
    EXPECT_EQ(m_dialogs->fileQuestions[0].directory,
              QDir::toNativeSeparators(m_folder + "/s001.vmr"));
    EXPECT_EQ(fileBytes(m_folder + "/s001.qpe"), pen);
    // The saved document's thumbnail joins the list, with what the editor showed.
    ASSERT_TRUE(waitUntil([&] {
        const PreviewThumbnailList &list = *m_window.thumbnailList();
        for (int row = 0; row < list.count(); ++row)
            if (list.thumbnailAt(row)->filePath().endsWith("kept.vmr") && !list.isLoading())
                return list.thumbnailAt(row)->metadata()->document()->elements().size() == 1;
        return false;
    }));
}

TEST_F(EditorPageTest, ASavedDocumentReopensAsShownAndSaveRewritesItInPlace)
{
    openSecondSketch("save");
    const InkShape unturned = shapeOf(*editor().document()->createDocumentAsSeen());
    press(QKeySequence("Ctrl+R"));
    EXPECT_EQ(editor().getRotation(), 45);
    EXPECT_TRUE(editor().isModified()) << "a turn is a change";
    const InkShape shown = shapeOf(*editor().document()->createDocumentAsSeen());

    // A name in capitals is kept as typed.
    m_dialogs->pathAnswers = {m_folder + "/turned.VMR"};
    press(QKeySequence("Ctrl+S"));
    ASSERT_TRUE(QFileInfo::exists(m_folder + "/turned.VMR"));
    EXPECT_FALSE(QFileInfo::exists(m_folder + "/turned.VMR.vmr"));
    EXPECT_FALSE(editor().isModified());
    EXPECT_FALSE(m_window.session()->saveAction()->isEnabled());
    EXPECT_EQ(shownFile(), "turned.VMR");
    MetadataPtr reopened(new DocumentMetaData(m_folder + "/turned.VMR"));
    ASSERT_TRUE(reopened->load());
    const InkShape saved = shapeOf(*reopened->document());
    EXPECT_EQ(saved.pointsPerStroke, shown.pointsPerStroke);
    expectNear(saved.bounds, shown.bounds);
    EXPECT_GT(std::abs(saved.bounds.width() - unturned.bounds.width())
                  + std::abs(saved.bounds.height() - unturned.bounds.height()),
              10.0)
        << "the turn is in the file";

    // A document is saved where it is, without a question.
    deleteFirstLayer();
    press(QKeySequence("Ctrl+S"));
    EXPECT_EQ(m_dialogs->fileQuestions.size(), 1);
    EXPECT_FALSE(editor().isModified());
    MetadataPtr rewritten(new DocumentMetaData(m_folder + "/turned.VMR"));
    ASSERT_TRUE(rewritten->load());
    EXPECT_EQ(rewritten->document()->elements().size(), 1u);

    // A save that fails says so and leaves the sketch changed.
    deleteFirstLayer();
    m_dialogs->pathAnswers = {m_folder + "/missing/folder/x.vmr"};
    m_window.session()->saveAsAction()->trigger();
    ASSERT_FALSE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(m_dialogs->messages.last().text, "Unable to save file");
    EXPECT_TRUE(editor().isModified());
}

TEST_F(EditorPageTest, ClosingWithAChangedSketchAsksAndSavingEndsTheApplication)
{
    openSecondSketch("close");
    deleteFirstLayer();
    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    EXPECT_FALSE(m_window.close());
    EXPECT_TRUE(m_window.isVisible());
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].text,
              kCloseQuestion + "\n" + QDir::toNativeSeparators(m_folder + "/s001.qpe") + "?");

    // Discard only hides the window; it shows the sketch as its file holds it when it is back.
    m_dialogs->buttonAnswers = {QMessageBox::Discard};
    EXPECT_FALSE(m_window.close());
    EXPECT_FALSE(m_window.isVisible());
    EXPECT_FALSE(editor().isModified());
    EXPECT_EQ(layers().count(), 2);

    m_window.show();
    deleteFirstLayer();
    m_dialogs->buttonAnswers = {QMessageBox::Save};
    m_dialogs->pathAnswers = {m_folder + "/closing.vmr"};
    EXPECT_TRUE(m_window.close()) << "saving on the way out closes for good";
    EXPECT_TRUE(QFileInfo::exists(m_folder + "/closing.vmr"));
    EXPECT_FALSE(m_window.trayIcon()->isVisible());
}

TEST_F(EditorPageTest, EachPageHasItsOwnCtrlFAndTheSketchGoesToOtherFormatsAndThePrinter)
{
    openSecondSketch("formats");
    EXPECT_EQ(actionsOn(QKeySequence("Ctrl+F")), QStringList {"Save as Different Format"});
    m_dialogs->pathAnswers = {m_folder + "/drawing.svg"};
    press(QKeySequence("Ctrl+F"));
    ASSERT_EQ(m_dialogs->fileQuestions.size(), 1);
    EXPECT_TRUE(fileBytes(m_folder + "/drawing.svg").contains("<svg"));

    setPrinterService(std::make_unique<PdfFilePrinterService>(m_folder + "/printed.pdf"));
    press(QKeySequence("Ctrl+P"));

    setPrinterService(nullptr);
    EXPECT_TRUE(fileBytes(m_folder + "/printed.pdf").startsWith("%PDF"));

    // Ctrl+C puts the sketch on the clipboard as a picture and as a drawing of its layers.
    QApplication::clipboard()->clear();
    press(QKeySequence::Copy);
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied && copied->hasImage());
    EXPECT_EQ(QString(copied->data("image/svg+xml")).count("inkscape:groupmode=\"layer\""), 2);
    EXPECT_TRUE(copied->data("image/svg+xml").contains("<title>s001</title>"));

    m_window.backToPreviewTab();
    EXPECT_EQ(actionsOn(QKeySequence("Ctrl+F")), QStringList {"Forward"});
    m_window.thumbnailList()->setCurrentRow(2);
    m_window.thumbnailList()->setFocus();
    QTest::keySequence(m_window.thumbnailList(), QKeySequence::Copy);
    EXPECT_TRUE(QApplication::clipboard()
                    ->mimeData()
                    ->data("image/svg+xml")
                    .contains("<title>s002</title>"))
        << "among the sketches the current thumbnail is copied";
    // Among the sketches the commands act on the current thumbnail, and on none without one.
    EditorSession &session = *m_window.session();
    EXPECT_TRUE(session.otherFormatAction()->isEnabled());
    m_window.thumbnailList()->setCurrentItem(nullptr);
    EXPECT_FALSE(session.saveAsAction()->isEnabled());
    EXPECT_FALSE(session.otherFormatAction()->isEnabled());
    EXPECT_FALSE(session.printAction()->isEnabled());
    EXPECT_FALSE(session.saveAction()->isEnabled());
}

// The thumbnail menu's commands act on the sketch under the mouse.
TEST_F(EditorPageTest, TheThumbnailMenuSavesConvertsAndEditsTheSketchUnderTheMouse)
{
    openSecondSketch("menu");
    m_window.backToPreviewTab();
    PreviewThumbnailList &list = *m_window.thumbnailList();
    QTest::mouseClick(list.viewport(), Qt::RightButton, {},
                      list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(list.currentRow(), 2);
    QMenu *menu = list.contextMenu();
    const auto entry = [&](const QString &text) {
        for (QAction *action : menu->actions())
            if (action->text() == text)
                return action;
        return static_cast<QAction *>(nullptr);
    };
    menu->close();

    m_dialogs->pathAnswers = {m_folder + "/copy"};
    entry("&Save Document as...")->trigger();
    // The list shows the new document, and the same sketch stays current.
    ASSERT_TRUE(waitUntil([&] {
        return !list.isLoading() && list.currentThumbnail()
            && list.currentThumbnail()->filePath().endsWith("s002.qpe");
    }));
    MetadataPtr copy(new DocumentMetaData(m_folder + "/copy.vmr"));
    ASSERT_TRUE(copy->load());
    EXPECT_EQ(copy->document()->elements().size(), 1u) << "s002 has one layer, s001 two";

    m_dialogs->pathAnswers = {m_folder + "/thumb.png"};
    entry("Save as Di&fferent Format")->trigger();
    EXPECT_TRUE(fileBytes(m_folder + "/thumb.png").startsWith("\x89PNG"));

    entry("&Edit Layers")->trigger();
    EXPECT_EQ(m_window.currentPage(), 1);
    EXPECT_EQ(shownFile(), "s002.qpe");
    EXPECT_EQ(layers().count(), 1);
}
