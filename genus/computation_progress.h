#pragma once
// How a long computation shows its progress and learns that the user
// cancelled it. The window is handed one, so a test can script the user.

#include <QString>

#include <memory>

class QWidget;

namespace genus {

class ComputationProgress {
public:
    virtual ~ComputationProgress() = default;

    /** A computation begins; the captions are in the window's language. */
    virtual void begin(const QString& label, const QString& cancelCaption) = 0;

    /** How far it is (0 to 1); false once the user has cancelled. */
    virtual bool report(double done) = 0;

    /** The computation has ended, finished or cancelled. */
    virtual void end() = 0;
};

/**
 * A modal progress dialog over the parent, named "progress", shown only when
 * the work lasts; it lets events through at most every 40 ms so that the
 * work is not slowed by repainting.
 */
std::unique_ptr<ComputationProgress> makeDialogProgress(QWidget* parent);

} // namespace genus
