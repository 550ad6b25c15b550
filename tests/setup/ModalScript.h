#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Plays the user's part in a run of modal pages and message boxes: each step acts on the next modal
// window to come up, in order, and every window met is noted (a box as "caption: text"). A window
// the script has no step for is cancelled and noted as unexpected.
class ModalScript {
public:
    using Step = std::function<void(QWidget* modal)>;

    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start(5);
    }

    const QStringList& Seen() const { return seen_; }

    static Step Click(const char* button)
    {
        return [button](QWidget* modal) {
            if (auto* found = modal->findChild<QPushButton*>(button)) {
                found->click();
            } else {
                ADD_FAILURE() << "no " << button << " on " << modal->windowTitle().toStdString();
                static_cast<QDialog*>(modal)->reject();
            }
        };
    }
    static Step Answer(QMessageBox::StandardButton answer)
    {
        return [answer](QWidget* modal) { static_cast<QMessageBox*>(modal)->button(answer)->click(); };
    }
    static Step Escape()
    {
        return [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); };
    }
    static Step TypeAndNext(const QString& folder)
    {
        return [folder](QWidget* modal) {
            modal->findChild<QLineEdit*>("folderEdit")->setText(folder);
            modal->findChild<QPushButton*>("nextButton")->click();
        };
    }

private:
    void Tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        // Taken only once it has stayed on top for a whole tick: a page shows through for a moment
        // while the box over it closes, before the page itself goes on, and that is not a visit.
        const bool settled = modal == candidate_;
        candidate_ = modal;
        if (!modal || !modal->isVisible() || modal == last_ || !settled)
            return;
        last_ = modal;
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen_ << (box ? box->windowTitle() + ": " + box->text() : modal->windowTitle());
        if (next_ < steps_.size()) {
            // Not from inside the timer's own handler: a step that opens a box of its own needs the
            // timer to go on ticking, and a timer never fires again while its handler runs.
            QTimer::singleShot(0, modal, [modal, step = steps_[next_++]] { step(modal); });
        } else {
            seen_.last().prepend("unexpected ");
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
    }

    std::vector<Step> steps_;
    size_t next_ = 0;
    QPointer<QWidget> last_;
    QPointer<QWidget> candidate_;
    QTimer timer_;
    QStringList seen_;
};
