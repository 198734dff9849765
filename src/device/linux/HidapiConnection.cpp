// Opening the hidraw node, exchanging feature reports and waiting for input reports.
#include "device/linux/HidapiConnection.h"

#include <cerrno>
#include <fcntl.h>
#include <hidapi.h>
#include <poll.h>
#include <unistd.h>

HidapiConnection::HidapiConnection(std::string path)
    : m_path(std::move(path))
{
    m_device = hid_open_path(m_path.c_str());
    if (m_device) {
        m_status = OpenStatus::Open;
    } else if (::access(m_path.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
        // Worth telling apart: the cure is a udev rule, not a different receiver.
        m_status = OpenStatus::PermissionDenied;
    }
}

HidapiConnection::~HidapiConnection()
{
    closeInputReports();
    if (m_device)
        hid_close(m_device);
}

bool HidapiConnection::sendFeatureReport(const FeatureReport &report)
{
    return m_device && hid_send_feature_report(m_device, report.data(), report.size()) > 0;
}

bool HidapiConnection::getFeatureReport(FeatureReport &report)
{
    if (!m_device)
        return false;
    FeatureReport answer {};
    answer[0] = report[0];
    const int length = hid_get_feature_report(m_device, answer.data(), answer.size());
    if (length <= 0)
        return false;
    report = answer;
    return true;
}

HidConnection::ReadResult HidapiConnection::readInputReport(InputReport &report, int stopFd)
{
    if (m_readFd < 0)
        m_readFd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_readFd < 0)
        return ReadResult::Failed;
    for (;;) {
        pollfd fds[2] = {{stopFd, POLLIN, 0}, {m_readFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return ReadResult::Failed;
        }
        if (fds[0].revents != 0)
            return ReadResult::Stopped;
        // A receiver pulled out shows as an error or hang-up on its node.
        if (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL))
            return ReadResult::Failed;
        if (!(fds[1].revents & POLLIN))
            continue;
        const ssize_t length = ::read(m_readFd, report.bytes.data(), report.bytes.size());
        if (length > 0) {
            report.size = static_cast<std::size_t>(length);
            return ReadResult::Report;
        }
        if (length < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        return ReadResult::Failed;
    }
}

void HidapiConnection::closeInputReports()
{
    if (m_readFd >= 0)
        ::close(m_readFd);
    m_readFd = -1;
}
