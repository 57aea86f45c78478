#pragma once

#include "platform/form.h"

#include <QPoint>
#include <QPointer>

#include <optional>

#include <vector>

class Program;

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

// One program-wide window, reached by its name. get() loads the window on
// first use: it builds the widget, makes it the program's instance and then
// runs its Form_Load, so that the load can already reach the window through
// the program. Whatever must outlive the controls lives in the Program.
template <class W> class FormSlot final : public FormSlotBase {
public:
    FormSlot(Program &program, std::vector<FormSlotBase *> &registry)
        : m_program(program)
    {
        registry.push_back(this);
    }

    W &get()
    {
        if (W *form = loaded())
            return *form;
        auto *form = new W(m_program);
        registerForm(form);
        form->Form_Load();
        return *form;
    }

    W *loaded() const { return static_cast<W *>(loadedForm()); }

private:
    Program &m_program;
};
