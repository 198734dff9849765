// The settings dialog driven through its widgets: edits reaching the store only on OK or
// Apply, the receiver position picture, the threshold question, plug and unplug while it is
// open, the clock, and the window's "Settings" command.
#include "../device/DeviceTestSupport.h"
#include "BrowserTestSupport.h"
#include "app/StartUp.h"
#include "app/Translation.h"
#include "browser/MainWindow.h"
#include "browser/PreferencesController.h"
#include "browser/ReceiverStatus.h"
#include "device/DeviceManager.h"
#include "device/ProtocolHandler.h"
#include "device/QuilloDeviceObserver.h"
#include "device/ReceiverIdentity.h"
#include "device/sim/SimulatedBackend.h"
#include "device/sim/SimulatedReceiver.h"
#include "preferences/ClickThresholdPage.h"
#include "preferences/SettingsDlg.h"
#include "preferences/TipSensitivity.h"
#include "settings/ApplSettings.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

using namespace std::chrono_literals;
using namespace TestSupport;

namespace {

class SettingsDialogTest : public BrowserFixture
{
protected:
    void SetUp() override
    {
        BrowserFixture::SetUp();
        initDraftbayResources();
        const QString factory = DRAFTBAY_SOURCE_DIR "/resources/support/draftbayfactory.xml";
        m_user = path("user.xml");
        ASSERT_TRUE(QFile::copy(factory, m_user));
        QFile::setPermissions(m_user, QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(settings().load(m_user, factory));
        m_receiver = DeviceTest::installSimulatedReceiver(folder("volume"));
    }
    void TearDown() override { DeviceManager::instance().shutdown(); }

    /// The receiver plugged and opened by the device manager, as the window would have it.
    void plugReceiver()
    {
        ReceiverIdentity::factoryDefaults().applyTo(DeviceManager::instance());
        DeviceManager::instance().start();
        ASSERT_TRUE(waitUntil([] { return DeviceManager::instance().currentDevice() != nullptr; }));
    }
    /// Sets the plugged receiver's threshold, as an earlier session would have.
    static void setThreshold(std::uint16_t value)
    {
        ASSERT_TRUE(
            ProtocolHandler(DeviceManager::instance().currentDevice()).setClickThreshold(value));
    }
    QString stored(const QString &entry, const QString &attribute)
    {
        QString value;
        settings().getAttribute(entry, attribute, value);
        return value;
    }
    QString savedFile() { return QString::fromUtf8(fileBytes(m_user)); }
    template<typename Widget> static Widget *child(SettingsDlg &dialog, const char *name)
    {
        auto *widget = dialog.findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QPushButton *button(SettingsDlg &dialog, QDialogButtonBox::StandardButton which)
    {
        return dialog.findChild<QDialogButtonBox *>()->button(which);
    }
    static void clickCell(QLabel *picture, int column, int row)
    {
        const QSize size = picture->pixmap().deviceIndependentSize().toSize();
        const QPoint origin((picture->width() - size.width()) / 2,
                            (picture->height() - size.height()) / 2);
        QTest::mouseClick(
            picture, Qt::LeftButton, {},
            origin
                + QPoint(size.width() * (2 * column + 1) / 6, size.height() * (2 * row + 1) / 6));
    }
    /// A dialog of short pauses with the receiver taken as connected, once it has read the
    /// receiver's threshold.
    void waitForThreshold(SettingsDlg &dialog)
    {
        ASSERT_TRUE(waitUntil([&] { return dialog.thresholdPage()->slider()->isEnabled(); }));
    }

    QString m_user;
    std::shared_ptr<SimulatedReceiver> m_receiver;
};

} // namespace

TEST_F(SettingsDialogTest, EditsReachTheStoreOnlyOnApplyAndTheLanguageStatusAtOnce)
{
    ASSERT_TRUE(settings().setAttribute("page_properties/page", "angle", "30"));
    {
        SettingsDlg dialog;
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Settings");
        QStringList tabs;
        for (int page = 0; page < dialog.pages()->count(); ++page)
            tabs << dialog.pages()->tabText(page);
        EXPECT_EQ(tabs, QStringList({"Mapping", "Pen", "Click Threshold", "General"}));
        EXPECT_EQ(dialog.positionIndex(), -1) << "an angle of no position chooses none";
        EXPECT_FALSE(button(dialog, QDialogButtonBox::Apply)->isEnabled());
        // Without a receiver the threshold page says how to get one, on the low bound.
        EXPECT_FALSE(dialog.thresholdPage()->slider()->isEnabled());
        EXPECT_EQ(dialog.thresholdPage()->slider()->value(), 200);

        child<QComboBox>(dialog, "m_lang_cbx")->setCurrentText("German");
        ASSERT_EQ(m_dialogs->messages.size(), 1);
        EXPECT_TRUE(m_dialogs->messages[0].text.startsWith("In order to apply your language"));
        child<QComboBox>(dialog, "m_paper_sz_cbox")->setCurrentText("A5");
        EXPECT_TRUE(button(dialog, QDialogButtonBox::Apply)->isEnabled());
        QTest::mouseClick(button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    }
    // Cancelled: only the language status was written, and nothing saved.
    EXPECT_EQ(stored("translator/language", "status"), "1");
    EXPECT_EQ(stored("translator/language", "name"), "English");
    EXPECT_EQ(settings().paperId(), 0);
    EXPECT_FALSE(savedFile().contains("A5"));

    SettingsDlg dialog;
    dialog.show();
    QSignalSpy redraw(&dialog, &SettingsDlg::paperSettingsChanged);
    child<QComboBox>(dialog, "m_paper_sz_cbox")->setCurrentText("Letter");
    dialog.pages()->setCurrentIndex(0);
    QTest::mouseClick(child<QToolButton>(dialog, "m_landscape_btn"), Qt::LeftButton);
    auto *landscape = child<QLabel>(dialog, "m_landscape_lbl");
    ASSERT_TRUE(landscape->isVisible());
    EXPECT_FALSE(child<QLabel>(dialog, "m_portrait_lbl")->isVisible());
    clickCell(landscape, 1, 1); // the centre chooses nothing
    EXPECT_EQ(dialog.positionIndex(), -1);
    clickCell(landscape, 0, 2); // lower left
    EXPECT_EQ(dialog.positionIndex(), 5);
    dialog.pages()->setCurrentIndex(1);
    child<QSpinBox>(dialog, "m_default_brush_sz_spin")->setValue(5);
    child<QComboBox>(dialog, "m_ball_pt_diameter_cbox")->setCurrentText("1.4");
    m_dialogs->colorAnswers = {QColor(10, 20, 30, 40)};
    QTest::mouseClick(child<QPushButton>(dialog, "m_highlight_color_btn"), Qt::LeftButton);
    EXPECT_EQ(m_dialogs->colorStarts.value(0), QColor(255, 140, 0, 255));
    // A cancelled colour question changes nothing.
    QTest::mouseClick(child<QPushButton>(dialog, "m_brush_color_btn"), Qt::LeftButton);
    m_dialogs->pathAnswers = {path("start")};
    dialog.pages()->setCurrentIndex(3);
    QTest::mouseClick(child<QToolButton>(dialog, "m_dir_btn"), Qt::LeftButton);
    EXPECT_EQ(stored("visuality_properties/highlight_pen", "rgba_color"), "255 140 0 255");

    QTest::mouseClick(button(dialog, QDialogButtonBox::Apply), Qt::LeftButton);
    EXPECT_EQ(settings().paperId(), 6);
    EXPECT_TRUE(settings().isLandscape());
    EXPECT_EQ(stored("page_properties/page", "angle"), "-135");
    EXPECT_EQ(stored("visuality_properties/default_pen", "width"), "5");
    EXPECT_EQ(stored("visuality_properties/default_pen", "ball_point_size"), "1.4");
    EXPECT_EQ(stored("visuality_properties/default_pen", "rgba_color"), "0 0 0 255");
    EXPECT_EQ(stored("visuality_properties/highlight_pen", "rgba_color"), "10 20 30 40");
    EXPECT_EQ(stored("startup_directory/directory", "path"), path("start"));
    EXPECT_TRUE(savedFile().contains("10 20 30 40")) << "Apply writes the file";
    EXPECT_FALSE(button(dialog, QDialogButtonBox::Apply)->isEnabled());
    EXPECT_EQ(redraw.count(), 1);
    // Applying again without a change that shows redraws nothing.
    dialog.pages()->setCurrentIndex(3);
    QTest::keyClicks(child<QLineEdit>(dialog, "m_dir_le"), "x");
    EXPECT_TRUE(dialog.userClickedApplySlot());
    EXPECT_EQ(redraw.count(), 1);
}

TEST_F(SettingsDialogTest, TheThresholdQuestionsAnswersAndTheReceiverComingAndGoing)
{
    plugReceiver();
    setThreshold(900);
    SettingsDlg dialog(nullptr, true);
    dialog.setPlugPauses(1ms, 1ms);
    dialog.setReadBackWait(1ms);
    dialog.show();
    waitForThreshold(dialog);
    QSlider *slider = dialog.thresholdPage()->slider();
    EXPECT_EQ(slider->value(), 900);
    EXPECT_EQ(dialog.thresholdPage()->prompt(), "Draw here to test your pen's click threshold");

    dialog.pages()->setCurrentWidget(dialog.thresholdPage());
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    const int moved = slider->value();
    ASSERT_NE(moved, 900);
    EXPECT_TRUE(dialog.isThresholdChanged());
    EXPECT_FALSE(dialog.thresholdPage()->testArea()->isEnabled());

    // Cancel: nothing sent, the dialog stays.
    m_dialogs->buttonAnswers = {QMessageBox::Cancel};
    dialog.pages()->setCurrentIndex(0);
    QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.pages()->currentIndex(), 0);
    settle(30);
    EXPECT_EQ(m_receiver->state().clickThreshold, 900);

    // Apply: the value goes to the receiver to be tested there, on the threshold page, with
    // the dialog still open.
    m_dialogs->buttonAnswers = {QMessageBox::Apply};
    QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(dialog.pages()->currentWidget(), dialog.thresholdPage());
    ASSERT_TRUE(waitUntil([&] {
        return !dialog.isThresholdChanged() && dialog.thresholdPage()->testArea()->isEnabled();
    }));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(m_receiver->state().clickThreshold, moved);

    // Unplugged while open: back to the low bound and unavailable; plugged again: read anew.
    m_receiver->unplug();
    ASSERT_TRUE(waitUntil([] { return DeviceManager::instance().currentDevice() == nullptr; }));
    dialog.hidDeviceUnplugSlot();
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(slider->value(), 200);
    m_receiver->plug();
    ASSERT_TRUE(waitUntil([] { return DeviceManager::instance().currentDevice() != nullptr; }));
    setThreshold(1200);
    dialog.hidDevicePlugSlot();
    waitForThreshold(dialog);
    EXPECT_EQ(slider->value(), 1200);

    // OK without testing: sent, then the dialog closes.
    QTest::keyClick(slider, Qt::Key_PageDown);
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(m_receiver->state().clickThreshold, slider->value());
}

TEST_F(SettingsDialogTest, FailedReadsTheClockAndClosingDuringThePauses)
{
    // The clock without a receiver.
    {
        SettingsDlg dialog;
        QTest::mouseClick(child<QPushButton>(dialog, "m_set_rtc_btn"), Qt::LeftButton);
        ASSERT_EQ(m_dialogs->messages.size(), 1);
        EXPECT_EQ(m_dialogs->messages[0].text,
                  "The receiver is not connected to USB port, can't update Real-time clock.");
    }
    plugReceiver();
    {
        // Closed during the pause before the first read: nothing is read, nothing breaks.
        SettingsDlg dialog(nullptr, true);
        dialog.setPlugPauses(200ms, 1ms);
        dialog.show();
        dialog.reject();
    }
    settle(300);
    EXPECT_EQ(m_dialogs->messages.size(), 1);

    SettingsDlg dialog(nullptr, true);
    dialog.setPlugPauses(1ms, 1ms);
    waitForThreshold(dialog);
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    auto *edit = child<QDateTimeEdit>(dialog, "m_date_timeedit");
    edit->setDateTime(QDateTime(QDate(2026, 12, 8), QTime(9, 30, 15)));
    QTest::mouseClick(child<QPushButton>(dialog, "m_set_rtc_btn"), Qt::LeftButton);
    auto *set = child<QPushButton>(dialog, "m_set_rtc_btn");
    EXPECT_FALSE(set->isEnabled()) << "while the clock is on its way";
    ASSERT_TRUE(waitUntil([&] { return set->isEnabled(); }));
    ASSERT_TRUE(m_receiver->state().clock.has_value());
    EXPECT_EQ(m_receiver->state().clock->hour, 9);
    EXPECT_EQ(m_dialogs->messages.size(), 2) << "the question only";

    // A receiver that stops answering: the clock's failure is told, and a failed threshold
    // read after a plug says so and leaves the page unavailable.
    m_receiver->setFault(SimulatedReceiver::Fault::FeatureWrites);
    m_dialogs->buttonAnswers = {QMessageBox::Ok};
    QTest::mouseClick(child<QPushButton>(dialog, "m_set_rtc_btn"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return m_dialogs->messages.size() == 4; }));
    EXPECT_EQ(m_dialogs->messages[3].text, "Failed to update Real-time clock!");
    dialog.hidDevicePlugSlot();
    ASSERT_TRUE(waitUntil([&] { return m_dialogs->messages.size() == 5; }));
    EXPECT_EQ(m_dialogs->messages[4].text, "Failed to retrieve the pressure value.");
    EXPECT_FALSE(dialog.isReceiverConnected());
    EXPECT_FALSE(dialog.thresholdPage()->slider()->isEnabled());
}

TEST_F(SettingsDialogTest, TheWindowsSettingsCommandOpensTheDialogBesideTheReceiver)
{
    MainWindow window;
    window.init(path("start"), "user.xml");
    auto *controller = window.findChild<PreferencesController *>();
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(controller->actionPreferences()->text(), "Settings");
    bool sawDialog = false;
    QObject::connect(controller, &PreferencesController::dialogOpened, [&](SettingsDlg *dialog) {
        sawDialog = true;
        QTimer::singleShot(0, dialog, [dialog] {
            // The window's unplug reaches the open dialog.
            emit static_cast<MainWindow *>(dialog->parentWidget())
                ->receiverStatus()
                ->handleHIDDeviceUnplugSgnl();
            EXPECT_FALSE(dialog->isReceiverConnected());
            dialog->reject();
        });
    });
    controller->actionPreferences()->trigger();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(controller->openDialog(), nullptr);
}

TEST_F(SettingsDialogTest, GermanChosenHereTranslatesTheWindowAndQtsButtonsAtTheNextStart)
{
    {
        SettingsDlg dialog;
        dialog.show();
        child<QComboBox>(dialog, "m_lang_cbx")->setCurrentText("German");
        QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    }
    // The translations the start-up chooses for the stored language, ours and Qt's.
    const LanguageSetting language = readLanguageSetting(settings());
    std::unique_ptr<QTranslator> program(setupTranslation(nullptr, language.name, language.status,
                                                          DRAFTBAY_TRANSLATIONS_DIR,
                                                          QLocale(QLocale::English)));
    QTranslator qt;
    installLibraryTranslation(
        qt, libraryTranslationName(language.name, language.status, QLocale::system()),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const auto uninstall = qScopeGuard([&] {
        QCoreApplication::removeTranslator(&qt);
        QCoreApplication::removeTranslator(program.get());
    });
    ASSERT_FALSE(program->isEmpty()) << "no German translation in " DRAFTBAY_TRANSLATIONS_DIR;

    MainWindow window;
    window.init(path("start"), "user.xml");
    QStringList titles;
    for (const QMenu *menu : window.findChildren<QMenu *>())
        titles << menu->title();
    for (const char *title : {"Datei", "Bearbeiten", "Ansicht", "Extras", "Hilfe"})
        EXPECT_TRUE(titles.contains(title))
            << title << " not in " << titles.join(", ").toStdString();
    EXPECT_FALSE(titles.contains("File"));
    EXPECT_EQ(window.findChild<PreferencesController *>()->actionPreferences()->text(),
              "Einstellungen");
    SettingsDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen");
    EXPECT_EQ(button(dialog, QDialogButtonBox::Cancel)->text(), "Abbrechen")
        << "Qt's own texts come from the second translator";
}
