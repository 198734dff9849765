// Trace formats: an identified list of channels, and the default one this program writes.
#pragma once

#include "ink/Channel.h"

#include <list>
#include <string>

namespace Nivo {

class TraceFormat : public std::list<Channel>, public IXmlSerializable
{
public:
    TraceFormat();
    explicit TraceFormat(const std::string &id);

    /// Writes "traceFormat" with its "id" and every channel in order.
    bool write(pugi::xml_node parent) const override;
    /// Requires "id"; reads the "channel" children back, a channel without "type" keeping
    /// its default type. Channels that cannot be read are skipped.
    bool read(const pugi::xml_node &element) override;

    const std::string &id() const { return m_id; }
    void setId(const std::string &id) { m_id = id; }

private:
    std::string m_id;
};

/// The trace format "default": X, Y, Pressure, xtilt, ytilt and timestamp.
class DefaultTraceFormat : public TraceFormat
{
public:
    DefaultTraceFormat();
};

} // namespace Nivo
