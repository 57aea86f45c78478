#pragma once

#include "platform/form.h"

#include <QPoint>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class Session;

class FormSlotBase {
public:
    FormSlotBase() = default;
    FormSlotBase(const FormSlotBase &) = delete;
    FormSlotBase &operator=(const FormSlotBase &) = delete;
    virtual ~FormSlotBase() { delete m_form.data(); }

    // The window if it is loaded, otherwise nullptr; nothing is loaded.
    Form *loadedForm() const { return m_form.data(); }
    // Closes the window, if loaded, as its close box would; false if it refused.
    bool unload() { return m_form ? m_form->unload() : true; }
    // Ends the window without its unload routine.
    void discard()
    {
        if (m_form)
            m_form->discard();
    }

protected:
    // A window loaded again comes back where it was last on show in this run,
    // rather than where the desktop would place a new window.
    void registerForm(Form *form)
    {
        m_form = form;
        if (m_lastPlace)
            form->move(*m_lastPlace);
        QObject::connect(form, &Form::unloaded, form, [this, form] {
            if (form->isVisible())
                m_lastPlace = form->pos();
            m_form.clear();
        });
    }

private:
    QPointer<Form> m_form;
    std::optional<QPoint> m_lastPlace;
};

// One program-wide window. get() loads the window on first use: it builds
// the widget on the session, lets the router connect to it and then runs its
// Form_Load. Whatever must outlive the controls lives in the session.
template <class W> class FormSlot final : public FormSlotBase {
public:
    using Wiring = std::function<void(W &)>;

    FormSlot(Session &session, std::vector<FormSlotBase *> &registry, Wiring wire = {})
        : m_session(session)
        , m_wire(std::move(wire))
    {
        registry.push_back(this);
    }

    W &get()
    {
        if (W *form = loaded())
            return *form;
        auto *form = new W(m_session);
        registerForm(form);
        if (m_wire)
            m_wire(*form);
        form->Form_Load();
        return *form;
    }

    W *loaded() const { return static_cast<W *>(loadedForm()); }

private:
    Session &m_session;
    Wiring m_wire;
};
