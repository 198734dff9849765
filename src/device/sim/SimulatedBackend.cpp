// Enumeration, volumes and notifications of the simulated receiver.
#include "device/sim/SimulatedBackend.h"

#include "device/ReceiverIdentity.h"
#include "device/sim/SimulatedConnection.h"
#include "device/sim/SimulatedReceiver.h"

#include <QFileInfo>

SimulatedBackend::SimulatedBackend(std::shared_ptr<SimulatedReceiver> receiver)
    : m_receiver(std::move(receiver))
{ }

SimulatedBackend::~SimulatedBackend()
{
    stopWatching();
}

bool SimulatedBackend::startWatching(BackendListener &listener)
{
    m_listener = &listener;
    m_receiver->setListener([this](SimulatedReceiver::Event event) {
        switch (event) {
        case SimulatedReceiver::Event::Plugged:
            post([info = interfaceInfo()](BackendListener &l) { l.interfaceArrived(info); });
            break;
        case SimulatedReceiver::Event::Unplugged:
            post([path = m_receiver->interfacePath()](BackendListener &l) {
                l.interfaceRemoved(path);
            });
            break;
        case SimulatedReceiver::Event::VolumeMounted:
            post([](BackendListener &l) { l.volumeArrived(); });
            break;
        case SimulatedReceiver::Event::VolumeUnmounted:
            post([](BackendListener &l) { l.volumeRemoved(); });
            break;
        }
    });
    return true;
}

void SimulatedBackend::stopWatching()
{
    m_receiver->setListener(nullptr);
    m_listener = nullptr;
}

void SimulatedBackend::post(std::function<void(BackendListener &)> call)
{
    QMetaObject::invokeMethod(
        &m_context,
        [this, call = std::move(call)] {
            // Watching may have stopped while the notification was on its way.
            if (m_listener)
                call(*m_listener);
        },
        Qt::QueuedConnection);
}

void SimulatedBackend::simulateSuspend()
{
    post([](BackendListener &l) { l.systemSuspending(); });
}

void SimulatedBackend::simulateResume()
{
    post([](BackendListener &l) { l.systemResumed(); });
}

HidInterfaceInfo SimulatedBackend::interfaceInfo() const
{
    const std::string path = m_receiver->interfacePath();
    return {path,
            deviceIdText(SimulatedReceiver::kVendorId, SimulatedReceiver::kProductId) + " " + path};
}

std::vector<HidInterfaceInfo> SimulatedBackend::enumerate()
{
    if (!m_receiver->isPlugged())
        return {};
    return {interfaceInfo()};
}

std::unique_ptr<HidConnection> SimulatedBackend::open(const std::string &path)
{
    OpenStatus status = OpenStatus::Open;
    if (path != m_receiver->interfacePath() || !m_receiver->isPlugged())
        status = OpenStatus::Failed;
    else if (m_receiver->isOpenDenied())
        status = OpenStatus::PermissionDenied;
    return std::make_unique<SimulatedConnection>(m_receiver, status);
}

std::vector<VolumeRecord> SimulatedBackend::removableVolumes()
{
    // A folder that does not exist is no volume, whatever the switch says.
    if (!m_receiver->isVolumeMounted()
        || !QFileInfo(QString::fromStdString(m_receiver->volumeRoot())).isDir())
        return {};
    return {{SimulatedReceiver::kVendorName, SimulatedReceiver::kModelName,
             SimulatedReceiver::kRevision, m_receiver->volumeRoot()}};
}

bool SimulatedBackend::isVolumeMounted(const std::string &root)
{
    return m_receiver->isVolumeMounted() && root == m_receiver->volumeRoot()
        && QFileInfo(QString::fromStdString(root)).isDir();
}
