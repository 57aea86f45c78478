#pragma once

#include "platform/form.h"

#include <QPointer>

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
    void registerForm(Form *form)
    {
        m_form = form;
        QObject::connect(form, &Form::unloaded, form, [this] { m_form.clear(); });
    }

private:
    QPointer<Form> m_form;
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
