#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <functional>

// Notices that a window has been closed; the window itself is only deleted
// later by the event loop, and must not be handed out again meanwhile.
class CloseWatcher : public QObject {
public:
    using QObject::QObject;
    bool closed() const { return m_closed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Close)
            m_closed = true;
        return false;
    }

private:
    bool m_closed = false;
};

// A secondary window that exists at most once: made on first use, destroyed
// when it closes, made afresh by the next use.
template <class Form> class FormSlot {
public:
    explicit FormSlot(std::function<Form*()> make) : m_make(std::move(make)) {}
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;
    ~FormSlot() { delete m_form.data(); }

    Form& get()
    {
        if (!existing()) {
            m_form = m_make();
            m_form->setAttribute(Qt::WA_DeleteOnClose);
            m_watcher = new CloseWatcher(m_form);
            m_form->installEventFilter(m_watcher);
        }
        return *m_form;
    }

    Form* existing() const { return m_form && !m_watcher->closed() ? m_form.data() : nullptr; }

    // Shows the window without an owner; an open one comes to the front.
    Form& show()
    {
        Form& form = get();
        form.show();
        form.raise();
        form.activateWindow();
        return form;
    }

    void close()
    {
        if (Form* form = existing())
            form->close();
    }

private:
    std::function<Form*()> m_make;
    QPointer<Form> m_form;
    QPointer<CloseWatcher> m_watcher;
};
