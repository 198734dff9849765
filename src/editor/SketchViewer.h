// The editor page's view of an opened sketch: full size, zoomable, with a way back.
#pragma once

#include "document/DocumentMetaData.h"
#include "editor/ZoomingScrollBar.h"

#include <QWidget>

#include <memory>

class QToolButton;
class ViewZoom;
class ZoomingGraphicsView;

/// Shows the pressure rendering of a sketch on its white page, fitted to the view at first.
/// The wheel scrolls; with Control held it zooms.
class SketchViewer : public QWidget
{
    Q_OBJECT

public:
    explicit SketchViewer(QWidget *parent = nullptr);
    ~SketchViewer() override;

    /// Shows the sketch (a pressure-rendering copy) fitted to the view.
    void setDocument(const MetadataPtr &metadata);
    void reset();
    const MetadataPtr &document() const { return m_metadata; }
    ZoomingGraphicsView *view() const { return m_view; }
    double zoomFactor() const;
    QToolButton *backButton() const { return m_backButton; }
    QToolButton *previousButton() const { return m_previousButton; }
    QToolButton *nextButton() const { return m_nextButton; }

signals:
    void backToPreviewTab();
    void previousRequested();
    void nextRequested();
    void switchZoomOnSignal(bool on);

public slots:
    void zoomViewInSlot();
    void zoomViewOutSlot();
    void verticalScrollBarMovedSlot(ZoomAction action);
    void enableForwardButton(bool enable);
    void enableBackButton(bool enable);
    void backBtnClicked();
    /// Shows the whole sheet again, as when the sketch was opened.
    void fitToView();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ZoomingGraphicsView *m_view;
    bool m_followsWindow = true;
    std::unique_ptr<ViewZoom> m_zoom;
    MetadataPtr m_metadata;
    QToolButton *m_backButton;
    QToolButton *m_previousButton;
    QToolButton *m_nextButton;
    QToolButton *m_zoomInButton;
    QToolButton *m_zoomOutButton;
};
