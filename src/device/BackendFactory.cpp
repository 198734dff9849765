// Choosing between the simulated receiver and the platform's HID layer.
#include "device/ReceiverBackend.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"

#include <QDir>

std::unique_ptr<ReceiverBackend> createDefaultBackend()
{
    const QString folder = qEnvironmentVariable("DRAFTBAY_SIMULATED_RECEIVER");
    if (folder.isEmpty())
        return createPlatformBackend();
    auto receiver = std::make_shared<SimulatedReceiver>(folder);
    // The receiver's memory outlives one run of the program, as a real one's does.
    receiver->persistIn(QDir(folder).filePath(QStringLiteral(".draftbay-receiver.ini")));
    return std::make_unique<SimulatedBackend>(std::move(receiver));
}
