// The receiver's hidraw interface: feature reports through hidapi, input reports read
// directly so that the reading can wait on the node and a stop event together.
#pragma once

#include "device/HidConnection.h"

#include <string>

struct hid_device_;

class HidapiConnection : public HidConnection
{
public:
    explicit HidapiConnection(std::string path);
    ~HidapiConnection() override;
    HidapiConnection(const HidapiConnection &) = delete;
    HidapiConnection &operator=(const HidapiConnection &) = delete;

    OpenStatus status() const override { return m_status; }
    bool sendFeatureReport(const FeatureReport &report) override;
    bool getFeatureReport(FeatureReport &report) override;
    ReadResult readInputReport(InputReport &report, int stopFd) override;
    void closeInputReports() override;

private:
    std::string m_path;
    hid_device_ *m_device = nullptr;
    OpenStatus m_status = OpenStatus::Failed;
    // Opened when live mode starts: each open node gets only the reports sent after it.
    int m_readFd = -1;
};
