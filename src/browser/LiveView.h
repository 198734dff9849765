// The live view: what the pen draws now, on the sheet, while the receiver streams it.
#pragma once

#include "ink/Point.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTransform>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class PreviewThumbnailList;
class QuilloDeviceObserver;
class ReceiverStatus;
namespace Nivo {
class Document;
}

/// The points of a live session as an ink document: a point without pressure lifts the pen,
/// and a pause of more than three seconds between strokes starts a new layer.
class LiveSession
{
public:
    static constexpr qint64 kLayerPauseMs = 3000;

    LiveSession();
    ~LiveSession();
    /// One point, received atMs after the session began. True when it continues a stroke
    /// (a segment is to be drawn from the previous point).
    bool add(const Nivo::Point &point, qint64 atMs);
    bool isEmpty() const;
    int layerCount() const;
    const Nivo::Document &document() const { return *m_document; }

private:
    std::unique_ptr<Nivo::Document> m_document;
    bool m_penDown = false;
    qint64 m_lastMs = -1;
};

/// A window of its own showing the sheet as the configured paper, the receiver placed as the
/// settings say, with the strokes drawn wider where the pen pressed harder. Starts live mode
/// when shown; Stop, closing the window, the receiver's removal and the program's suspend end
/// it, and a session with ink is then offered to be kept as a document.
class LiveView : public QDialog
{
    Q_OBJECT

public:
    /// folder: where a kept session is written; saved is told the file written.
    LiveView(QWidget *parent, std::function<QString()> folder);
    ~LiveView() override;

    const QImage &sheet() const { return m_sheet; }
    const LiveSession &session() const { return m_session; }
    bool isLive() const { return m_live; }
    /// The sheet position of a point as received, in pixels of sheet().
    QPointF sheetPosition(const Nivo::Point &point) const;

public slots:
    void stop();

signals:
    void saved(const QString &path);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void addPoint(const Nivo::Point &point);
    void finish(const QString &why);
    QRect sheetRect() const;

    QuilloDeviceObserver *m_receiver;
    std::function<QString()> m_folder;
    QLabel *m_status;
    QPushButton *m_stop;
    QImage m_sheet;
    QTransform m_toSheet;
    double m_penWidth = 2;
    LiveSession m_session;
    QElapsedTimer m_clock;
    Nivo::Point m_last;
    bool m_live = false;
    bool m_finished = false;
};

/// The window's "Live view" command, available while a receiver is connected.
class LiveViewController : public QObject
{
    Q_OBJECT

public:
    LiveViewController(QWidget *window, ReceiverStatus *receiver, PreviewThumbnailList *list,
                       std::function<QString()> folder);
    QAction *actionLiveView() const { return m_action; }
    LiveView *view() const { return m_view; }

public slots:
    void open();

private:
    QWidget *m_window;
    PreviewThumbnailList *m_list;
    std::function<QString()> m_folder;
    QAction *m_action;
    QPointer<LiveView> m_view;
};
