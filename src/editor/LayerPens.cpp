// Reading the layer editor's pens from the settings and putting them on the layers.
#include "editor/LayerPens.h"

#include "document/DocumentGraphicModel.h"
#include "document/GraphicsInkPathItem.h"
#include "document/GraphicsItemsGroup.h"
#include "settings/ApplSettings.h"

namespace {

QColor settingsColor(const QString &entry, const QColor &fallback)
{
    QString text;
    QColor color;
    if (ApplSettings::instance().getAttribute(entry, QStringLiteral("rgba_color"), text)
        && ApplSettings::parseColor(text, color))
        return color;
    return fallback;
}

bool isChecked(const QList<bool> &checked, int layer)
{
    return layer < checked.size() && checked[layer];
}

} // namespace

void LayerPens::read()
{
    ApplSettings &settings = ApplSettings::instance();
    m_defaultPen = PenDescription(settings);
    QString width;
    if (settings.getAttribute(QStringLiteral("visuality_properties/default_pen"),
                              QStringLiteral("width"), width))
        m_defaultPen.width = width.toInt();
    m_highlightPen = m_defaultPen;
    m_highlightPen.color
        = settingsColor(QStringLiteral("visuality_properties/highlight_pen"), QColor(255, 140, 0));
    m_scrubberLeft
        = settingsColor(QStringLiteral("visuality_properties/scrubber_left_pen"), m_scrubberLeft);
    m_scrubberMiddle = settingsColor(QStringLiteral("visuality_properties/scrubber_middle_pen"),
                                     m_scrubberMiddle);
    m_scrubberRight
        = settingsColor(QStringLiteral("visuality_properties/scrubber_right_pen"), m_scrubberRight);
}

void LayerPens::showSelection(DocumentGraphicModel &model, const QList<bool> &checked,
                              const QList<int> &selected) const
{
    const QList<GraphicsItemsGroup *> &groups = model.groups();
    for (int i = 0; i < groups.size(); ++i) {
        if (isChecked(checked, i)) {
            groups[i]->setUsePen(1);
            model.setLayerVisible(i, true);
            model.setLayerPen(i, m_defaultPen);
        } else {
            model.setLayerVisible(i, false);
        }
    }
    for (int i : selected) {
        if (i >= groups.size())
            continue;
        groups[i]->setUsePen(1);
        model.setLayerPen(i, m_highlightPen);
    }
}

void LayerPens::showAll(DocumentGraphicModel &model) const
{
    for (int i = 0; i < model.groups().size(); ++i) {
        model.groups()[i]->setUsePen(1);
        model.setLayerVisible(i, true);
        model.setLayerPen(i, m_defaultPen);
    }
}

void LayerPens::colourByHandles(DocumentGraphicModel &model, const QList<bool> &checked,
                                const QList<int> &highlighted, int left, int right) const
{
    const QList<GraphicsItemsGroup *> &groups = model.groups();
    for (int i = 0; i < groups.size(); ++i) {
        GraphicsItemsGroup *group = groups[i];
        group->setUsePen(0);
        const bool isHighlighted = highlighted.contains(i);
        if (!isHighlighted && !isChecked(checked, i)) {
            group->setLayerVisible(false);
            continue;
        }
        group->setLayerVisible(true);
        int k = 0;
        for (QGraphicsItem *child : group->childItems()) {
            if (child->type() != GraphicsInkPathItem::Type)
                continue;
            ++k;
            QColor colour = m_defaultPen.color;
            if (isHighlighted)
                colour = k <= left ? m_scrubberLeft
                                   : (k <= right ? m_scrubberMiddle : m_scrubberRight);
            // The outline was built for the pen's width already; only the colour changes.
            static_cast<GraphicsInkPathItem *>(child)->setPenColor(colour);
        }
    }
}
