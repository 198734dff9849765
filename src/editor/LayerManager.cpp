// The layer editor's list, scrubber, highlighting, view and the commands it pushes.
#include "editor/LayerManager.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsItemsGroup.h"
#include "editor/LayerCommandBuilder.h"
#include "editor/LayerIcons.h"
#include "editor/LayerPens.h"
#include "editor/LayerUndoCommands.h"
#include "editor/LayerViewMenu.h"
#include "editor/LimitedInputDialog.h"
#include "editor/PlayerDocument.h"
#include "editor/SketchViewer.h"
#include "editor/ZoomingGraphicsView.h"
#include "settings/ApplSettings.h"
#include "settings/DesktopServices.h"
#include "settings/DialogService.h"
#include "settings/WaitCursor.h"
#include "ui_LayerManager.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

namespace {

/// The "tag" annotation of a layer or a document; empty when there is none.
template<typename Annotated> QString tagOf(const Annotated &annotated)
{
    const auto found = annotated.annotations().find("tag");
    return found == annotated.annotations().end() ? QString()
                                                  : QString::fromStdString(found->second);
}

} // namespace

LayerManager::LayerManager(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::LayerManager>())
{
    m_ui->setupUi(this);
    m_icons = std::make_unique<LayerIcons>(*m_ui->layerList);
    m_viewer = new SketchViewer(m_ui->pages);
    m_player = new PlayerDocument(m_ui->pages);
    m_ui->pages->addWidget(m_viewer);
    m_ui->pages->addWidget(m_player);
    m_ui->layerList->setStyleSheet(QStringLiteral(
        "QListWidget::indicator:checked { image: url(:editor/Resources/layer "
        "manager/32X32/checked.png);}                   QListWidget::indicator:unchecked { "
        "image: url(:editor/Resources/layer manager/32X32/unchecked.png);}"));
    m_ui->layerList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_ui->layerList->setSpacing(20);
    m_ui->scrubber->setRange(0, 0);
    m_viewer->view()->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(m_ui->scrubber, &SpanSlider::lowerValueChanged, this, &LayerManager::leftPos);
    connect(m_ui->scrubber, &SpanSlider::upperValueChanged, this, &LayerManager::rightPos);
    connect(m_ui->leftSpin, &QSpinBox::valueChanged, this, &LayerManager::gotoLeftSliderSlot);
    connect(m_ui->rightSpin, &QSpinBox::valueChanged, this, &LayerManager::gotoRightSliderSlot);
    connect(m_ui->leftSpin, &BlockingSpinBox::enableEnterKeyHandling, this,
            &LayerManager::setHandleBackspace);
    connect(m_ui->rightSpin, &BlockingSpinBox::enableEnterKeyHandling, this,
            &LayerManager::setHandleBackspace);
    connect(m_ui->splitButton, &QPushButton::clicked, this,
            &LayerManager::createLayersFromScrubberSlot);
    connect(m_ui->pausesButton, &QPushButton::clicked, this, &LayerManager::splitAtPausesSlot);
    connect(m_ui->mergeButton, &QPushButton::clicked, this, &LayerManager::mergeLayersSlot);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &LayerManager::deleteSelectedItems);
    connect(m_ui->tabs, &QTabWidget::currentChanged, this,
            &LayerManager::currentStackedWidgetChangedSlot);
    connect(m_ui->layerList, &ListWidgetNivo::deleteItemSignal, this,
            &LayerManager::deleteItemSlot);
    connect(m_ui->layerList, &ListWidgetNivo::renameItemSignal, this,
            &LayerManager::renameCurrentLayerSlot);
    connect(this, &LayerManager::permitRmbClickSignal, m_ui->layerList,
            &ListWidgetNivo::permitRmbClickSlot);
    connect(m_viewer, &SketchViewer::backToPreviewTab, this, &LayerManager::backBtnClicked);
    connect(m_viewer, &SketchViewer::previousRequested, this, &LayerManager::previousRequested);
    connect(m_viewer, &SketchViewer::nextRequested, this, &LayerManager::nextRequested);
    connect(m_viewer->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) {
                if (m_ui->pages->currentIndex() == 0 && m_document)
                    LayerViewMenu(*this).exec(m_viewer->view()->mapToGlobal(pos));
            });
    connect(&m_undoStack, &QUndoStack::cleanChanged, this,
            [this] { emit signalSaveEnable(isModified()); });
    setEditingEnabled(true);
    resetScrubber();
    disableCommandButtons();
}

LayerManager::~LayerManager()
{
    // The commands hold items and list items of this document: they go first.
    m_undoStack.clear();
}

QListWidget *LayerManager::layerList() const
{
    return m_ui->layerList;
}

ZoomingGraphicsView *LayerManager::view() const
{
    return m_viewer->view();
}

QString LayerManager::layerLabel(int index)
{
    return tr("layer %1").arg(index + 1);
}

void LayerManager::setDocument(const MetadataPtr &metadata)
{
    m_undoStack.clear();
    m_player->reset();
    m_playerCopy.reset();
    m_document = metadata;
    m_savedRotation = getRotation();
    m_namesChanged = false;
    m_ui->tabs->setCurrentIndex(0);
    loadDocument(true);
    disableCommandButtons();
}

bool LayerManager::isModified() const
{
    return m_document
        && (!m_undoStack.isClean() || getRotation() != m_savedRotation || m_namesChanged);
}

void LayerManager::markSaved()
{
    m_undoStack.setClean();
    m_savedRotation = getRotation();
    m_namesChanged = false;
    emit signalSaveEnable(false);
}

void LayerManager::discardChanges()
{
    m_undoStack.clear();
    m_savedRotation = getRotation();
    m_namesChanged = false;
    emit signalSaveEnable(false);
}

void LayerManager::reset()
{
    m_undoStack.clear();
    m_player->reset();
    m_playerCopy.reset();
    setEditingEnabled(false);
    m_ui->layerList->clear();
    setEditingEnabled(true);
    m_viewer->reset();
    m_document.reset();
    m_highlighted.clear();
    m_strokeCount = 0;
    resetScrubber();
    m_ui->tabs->setCurrentIndex(0);
    updateTitle();
}

void LayerManager::readPens()
{
    m_pens.read();
    m_ui->scrubber->setSpanColors(m_pens.scrubberLeft(), m_pens.scrubberMiddle(),
                                  m_pens.scrubberRight());
}

void LayerManager::loadDocument(bool fit)
{
    readPens();
    setEditingEnabled(false);
    m_ui->layerList->clear();
    m_highlighted.clear();
    updateTitle();
    if (!m_document || !m_document->model() || !m_document->document()) {
        m_viewer->reset();
        setEditingEnabled(true);
        return;
    }
    DocumentGraphicModel *model = m_document->model().get();
    model->setPageVisible(true, true);
    m_icons->fitTo(*model, m_pens.defaultPen().color);
    const int layers = static_cast<int>(model->groups().size());
    for (int i = 0; i < layers; ++i)
        m_ui->layerList->addItem(makeItem(i));
    m_icons->renderAll(*model);
    setEditingEnabled(true);
    model->showAllLayers();
    resetScrubber();
    if (fit) {
        m_viewer->setDocument(m_document);
    }
    model->fitItemBoundsToPage();
    updateItemsSelection();
}

QListWidgetItem *LayerManager::makeItem(int index) const
{
    auto *item = new QListWidgetItem;
    const auto &layers = m_document->document()->elements();
    const QString tag = index < static_cast<int>(layers.size()) ? tagOf(layers[index]) : QString();
    item->setText(tag.isEmpty() ? layerLabel(index) : tag);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setCheckState(Qt::Checked);
    return item;
}

void LayerManager::relabelFrom(int index)
{
    if (!m_document || !m_document->document())
        return;
    const auto &layers = m_document->document()->elements();
    for (int i = std::max(0, index); i < m_ui->layerList->count(); ++i) {
        const QString tag = i < static_cast<int>(layers.size()) ? tagOf(layers[i]) : QString();
        m_ui->layerList->item(i)->setText(tag.isEmpty() ? layerLabel(i) : tag);
    }
}

void LayerManager::layerRemoved(int index)
{
    // Only the numbers of untagged layers below change; no other icon does.
    relabelFrom(index);
}

void LayerManager::layerInserted(int index)
{
    if (m_document && m_document->model())
        m_icons->render(*m_document->model(), index);
    relabelFrom(index);
}

void LayerManager::setEditingEnabled(bool enabled)
{
    if (enabled == m_editingEnabled)
        return;
    m_editingEnabled = enabled;
    if (enabled) {
        connect(m_ui->layerList, &QListWidget::itemSelectionChanged, this,
                &LayerManager::updateItemsSelection);
        connect(m_ui->layerList, &QListWidget::itemChanged, this, &LayerManager::itemCheckedByUser);
    } else {
        disconnect(m_ui->layerList, &QListWidget::itemSelectionChanged, this,
                   &LayerManager::updateItemsSelection);
        disconnect(m_ui->layerList, &QListWidget::itemChanged, this,
                   &LayerManager::itemCheckedByUser);
    }
}

QList<bool> LayerManager::checkedRows() const
{
    QList<bool> rows;
    for (int i = 0; i < m_ui->layerList->count(); ++i)
        rows << (m_ui->layerList->item(i)->checkState() == Qt::Checked);
    return rows;
}

QList<int> LayerManager::selectedRows() const
{
    QList<int> rows;
    for (int i = 0; i < m_ui->layerList->count(); ++i) {
        if (m_ui->layerList->item(i)->isSelected())
            rows << i;
    }
    return rows;
}

void LayerManager::itemCheckedByUser(QListWidgetItem *)
{
    updateItemsSelection();
}

void LayerManager::updateItemsSelection()
{
    const QList<int> selected = selectedRows();
    const bool one = selected.size() == 1;
    m_ui->scrubber->setEnabled(one);
    m_ui->leftSpin->setEnabled(one);
    m_ui->rightSpin->setEnabled(one);
    m_ui->splitButton->setEnabled(one);
    m_ui->pausesButton->setEnabled(one);
    m_ui->deleteButton->setEnabled(!selected.isEmpty());
    m_ui->mergeButton->setEnabled(selected.size() > 1);
    if (!m_document || !m_document->model())
        return;
    DocumentGraphicModel *model = m_document->model().get();
    const QList<GraphicsItemsGroup *> &groups = model->groups();
    if (one && selected.first() < groups.size())
        setScrubberRange(static_cast<int>(groups[selected.first()]->childItems().size()));
    else {
        m_strokeCount = 0;
        resetScrubber();
    }
    m_pens.showSelection(*model, checkedRows(), selected);
    m_highlighted.clear();
    for (int i : selected) {
        if (i < groups.size() && !m_highlighted.contains(i))
            m_highlighted << i;
    }
    if (m_highlighted.isEmpty())
        resetScrubber();
    model->update();
}

void LayerManager::setScrubberRange(int strokes)
{
    m_strokeCount = strokes;
    m_left = 0;
    m_right = strokes;
    const QSignalBlocker blockSlider(m_ui->scrubber);
    const QSignalBlocker blockLeft(m_ui->leftSpin);
    const QSignalBlocker blockRight(m_ui->rightSpin);
    m_ui->scrubber->setRange(0, strokes);
    m_ui->scrubber->setSpan(0, strokes);
    m_ui->scrubber->setTickInterval(strokes % 2 == 0 ? strokes / 2 : strokes);
    m_ui->leftSpin->setRange(0, strokes);
    m_ui->leftSpin->setValue(0);
    m_ui->rightSpin->setRange(0, strokes);
    m_ui->rightSpin->setValue(strokes);
}

void LayerManager::resetScrubber()
{
    m_left = 0;
    m_right = m_strokeCount;
    const QSignalBlocker block(m_ui->scrubber);
    m_ui->scrubber->setSpan(0, m_strokeCount);
}

void LayerManager::leftPos(int value)
{
    m_left = value;
    const QSignalBlocker block(m_ui->leftSpin);
    m_ui->leftSpin->setValue(value);
    recolour();
}

void LayerManager::rightPos(int value)
{
    m_right = value;
    const QSignalBlocker block(m_ui->rightSpin);
    m_ui->rightSpin->setValue(value);
    recolour();
}

void LayerManager::gotoLeftSliderSlot(int value)
{
    if (value <= m_right) {
        m_ui->scrubber->setLowerValue(value);
        leftPos(value);
    } else {
        const QSignalBlocker block(m_ui->leftSpin);
        m_ui->leftSpin->setValue(m_left);
    }
}

void LayerManager::gotoRightSliderSlot(int value)
{
    if (value >= m_left) {
        m_ui->scrubber->setUpperValue(value);
        rightPos(value);
    } else {
        const QSignalBlocker block(m_ui->rightSpin);
        m_ui->rightSpin->setValue(m_right);
    }
}

void LayerManager::recolour()
{
    if (m_highlighted.isEmpty() || !m_document || !m_document->model())
        return;
    DocumentGraphicModel *model = m_document->model().get();
    m_pens.colourByHandles(*model, checkedRows(), m_highlighted, m_left, m_right);
    model->update();
}

void LayerManager::pushCommand(UndoParentCommand *command)
{
    connect(command, &UndoParentCommand::done, this, &LayerManager::undoCommandSlot);
    m_undoStack.push(command);
}

void LayerManager::disableCommandButtons()
{
    m_ui->splitButton->setEnabled(false);
    m_ui->pausesButton->setEnabled(false);
    m_ui->mergeButton->setEnabled(false);
    m_ui->deleteButton->setEnabled(false);
}

void LayerManager::afterCommand()
{
    setEditingEnabled(true);
    disableCommandButtons();
    emit resetSelectedLayersSignal();
}

void LayerManager::createLayersFromScrubberSlot()
{
    const QList<int> selected = selectedRows();
    if (selected.isEmpty() || !m_document)
        return;
    const int layer = selected.last();
    const QList<int> cuts = LayerCommandBuilder::scrubberCuts(m_left, m_right, m_strokeCount);
    if (cuts.isEmpty()) {
        dialogs().warning(this, applicationTitle(),
                          tr("Unable to split selected layer - there is nothing to do!"));
        return;
    }
    setEditingEnabled(false);
    UndoParentCommand *command = nullptr;
    {
        const WaitCursor wait;
        command = LayerCommandBuilder(*this).split(layer, cuts);
        if (command)
            pushCommand(command);
    }
    if (!command)
        dialogs().warning(this, applicationTitle(),
                          tr("Unable to split selected layer - there is nothing to do!"));
    afterCommand();
}

void LayerManager::splitAtPausesSlot()
{
    const QList<int> selected = selectedRows();
    if (selected.size() != 1 || !m_document || !m_document->document())
        return;
    const int layer = selected.first();
    const auto &layers = m_document->document()->elements();
    if (layer >= static_cast<int>(layers.size()))
        return;
    const QList<int> cuts = LayerCommandBuilder::pauseCuts(layers[layer], m_pauseThresholdMs);
    if (cuts.isEmpty()) {
        dialogs().information(this, applicationTitle(),
                              tr("The pen did not rest longer than %n second(s) in this layer.",
                                 nullptr, m_pauseThresholdMs / 1000));
        return;
    }
    setEditingEnabled(false);
    {
        const WaitCursor wait;
        if (UndoParentCommand *command = LayerCommandBuilder(*this).split(layer, cuts))
            pushCommand(command);
    }
    afterCommand();
}

void LayerManager::mergeLayersSlot()
{
    QList<int> selected = selectedRows();
    std::sort(selected.begin(), selected.end(), std::greater<int>());
    if (selected.isEmpty()) {
        dialogs().warning(this, applicationTitle(), tr("Nothing to merge"));
        return;
    }
    for (int i = 1; i < selected.size(); ++i) {
        if (selected[i - 1] - selected[i] != 1) {
            dialogs().warning(
                this, applicationTitle(),
                tr("Unable to merge selected layers.  Must have continuity between layers!"));
            return;
        }
    }
    setEditingEnabled(false);
    {
        const WaitCursor wait;
        if (UndoParentCommand *command = LayerCommandBuilder(*this).merge(selected))
            pushCommand(command);
    }
    afterCommand();
}

void LayerManager::deleteSelectedItems()
{
    QList<int> selected = selectedRows();
    std::sort(selected.begin(), selected.end(), std::greater<int>());
    setEditingEnabled(false);
    if (!selected.isEmpty()) {
        const WaitCursor wait;
        pushCommand(LayerCommandBuilder(*this).remove(selected));
    }
    afterCommand();
}

void LayerManager::deleteItemSlot()
{
    deleteSelectedItems();
}

void LayerManager::undoCommandSlot(int)
{
    const bool editing = m_editingEnabled;
    setEditingEnabled(false);
    for (int i = 0; i < m_ui->layerList->count(); ++i) {
        QListWidgetItem *item = m_ui->layerList->item(i);
        item->setCheckState(Qt::Checked);
        item->setSelected(false);
    }
    m_highlighted.clear();
    m_strokeCount = 0;
    resetScrubber();
    if (m_document && m_document->model()) {
        m_pens.showAll(*m_document->model());
        m_document->model()->update();
    }
    m_ui->layerList->update();
    setEditingEnabled(editing);
}

void LayerManager::renameCurrentLayerSlot()
{
    QListWidgetItem *item = m_ui->layerList->currentItem();
    const int index = m_ui->layerList->getSelectedLayerIndex() >= 0
        ? m_ui->layerList->getSelectedLayerIndex()
        : m_ui->layerList->row(item);
    if (!m_document || !m_document->document() || index < 0
        || index >= static_cast<int>(m_document->document()->elements().size()))
        return;
    Nivo::Layer &layer = m_document->document()->elements()[index];
    const QString current = tagOf(layer);
    LimitedInputDialog dialog(this, tr("Layer name:"), 20, current);
    if (dialog.exec() != QDialog::Accepted || dialog.textValue() == current)
        return;
    layer.setAnnotation("tag", dialog.textValue().toStdString());
    relabelFrom(index);
    m_namesChanged = true;
    emit signalSaveEnable(true);
}

void LayerManager::showEditTagSlot()
{
    if (!m_document || !m_document->document())
        return;
    Nivo::Document &ink = *m_document->document();
    const QString current = tagOf(ink);
    LimitedInputDialog dialog(this, tr("File tag:"), 256, current);
    if (dialog.exec() != QDialog::Accepted || dialog.textValue() == current)
        return;
    ink.setAnnotation("tag", dialog.textValue().toStdString());
    updateTitle();
    m_namesChanged = true;
    emit signalSaveEnable(true);
}

void LayerManager::updateTitle()
{
    QString title = tr("File : ");
    if (m_document) {
        title += QDir::toNativeSeparators(m_document->path());
        if (m_document->document()) {
            const auto &notes = m_document->document()->annotations();
            const auto found = notes.find("tag");
            if (found != notes.end())
                title += tr(" Tag : \"") + QString::fromStdString(found->second) + QLatin1Char('"');
        }
    }
    m_ui->documentBox->setTitle(title);
}

void LayerManager::rotateBy(int degrees)
{
    if (!m_document || !m_document->model())
        return;
    m_document->model()->rotate(degrees);
    // Every layer turns, so every icon is drawn again.
    m_icons->renderAll(*m_document->model());
    updateItemsSelection();
    emit signalSaveEnable(isModified());
}

void LayerManager::rotateClockwiseSlot()
{
    rotateBy(45);
}

void LayerManager::rotateCounterclockwiseSlot()
{
    rotateBy(-45);
}

int LayerManager::getRotation() const
{
    return m_document && m_document->model() ? ((m_document->model()->rotation() % 360) + 360) % 360
                                             : 0;
}

void LayerManager::currentStackedWidgetChangedSlot(int tab)
{
    m_ui->pages->setCurrentIndex(tab);
    const bool editor = tab == 0;
    m_ui->layerList->setEnabled(editor);
    m_ui->scrubber->setEnabled(editor && selectedRows().size() == 1);
    m_ui->leftSpin->setEnabled(editor && selectedRows().size() == 1);
    m_ui->rightSpin->setEnabled(editor && selectedRows().size() == 1);
    if (!editor)
        disableCommandButtons();
    else
        updateItemsSelection();
    emit signalToolBarEnable(editor);
    emit permitRmbClickSignal(editor);
    if (editor) {
        m_player->reset();
        m_playerCopy.reset();
        return;
    }
    if (!m_document)
        return;
    const WaitCursor wait;
    // The player dims and hides strokes as it goes: it gets a copy of its own.
    m_playerCopy = m_document->createPressureCopy();
    if (!m_player->setDocument(m_playerCopy))
        m_playerCopy.reset();
}

void LayerManager::enableForwardButton(bool enable)
{
    m_viewer->enableForwardButton(enable);
}

void LayerManager::enableBackButton(bool enable)
{
    m_viewer->enableBackButton(enable);
}

void LayerManager::backBtnClicked()
{
    m_player->reset();
    m_playerCopy.reset();
    m_ui->tabs->setCurrentIndex(0);
    emit backToPreviewTab();
}

void LayerManager::showBackground()
{
    if (m_document && m_document->model())
        m_document->model()->setPageVisible(true, true);
}

void LayerManager::saveAsDifferentFormatSlot()
{
    emit saveAsDifferentFormatRequested();
}

void LayerManager::saveDocumentAsSlot()
{
    emit saveDocumentAs();
}

void LayerManager::saveDocumentSlot()
{
    emit saveDocument();
}

void LayerManager::openFileLocationSlot()
{
    if (m_document)
        desktop().openUrl(QUrl::fromLocalFile(QFileInfo(m_document->path()).absolutePath()));
}

void LayerManager::zoomViewInSlot()
{
    m_viewer->zoomViewInSlot();
}

void LayerManager::zoomViewOutSlot()
{
    m_viewer->zoomViewOutSlot();
}

void LayerManager::verticalScrollBarMovedSlot(ZoomAction action)
{
    m_viewer->verticalScrollBarMovedSlot(action);
}

void LayerManager::setHandleBackspace(bool handle)
{
    m_handleBackspace = handle;
}

void LayerManager::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Control)
        emit switchZoomOnSignal(true);
    QWidget::keyPressEvent(event);
}

void LayerManager::keyReleaseEvent(QKeyEvent *event)
{
    // Backspace is the window's "Back to sketches" shortcut, which text fields override.
    if (event->key() == Qt::Key_Control)
        emit switchZoomOnSignal(false);
    QWidget::keyReleaseEvent(event);
}
