#pragma once

#include "platform/form.h"

#include <QPointer>

// One program-wide window. The window is loaded (its widget built) the first
// time it is used, and unloaded by closing it, by code or by its close box;
// the next use loads it afresh. Whatever must outlive the controls lives in
// the Program, not in the widget.
template <class W> class FormSlot {
public:
    FormSlot() = default;
    FormSlot(const FormSlot &) = delete;
    FormSlot &operator=(const FormSlot &) = delete;
    ~FormSlot() { delete m_form.data(); }

    template <class... Args> W &get(Args &...args)
    {
        if (!m_form) {
            W *form = new W(args...);
            m_form = form;
            QObject::connect(form, &Form::closing, form, [this] { m_form.clear(); });
        }
        return *static_cast<W *>(m_form.data());
    }

    W *loaded() const { return static_cast<W *>(m_form.data()); }

    void unload()
    {
        if (m_form)
            m_form->close();
    }

private:
    QPointer<Form> m_form;
};
