#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "forms/form.h"

namespace forms {

class FormSlotBase;

// The windows of one program run. It emits emptied() when no window exists any
// more once the running handler has returned.
class FormSet : public QObject {
    Q_OBJECT

public:
    FormSet() = default;
    ~FormSet() override;

    bool anyExists() const;

    // Unloads every window at once.
    void unloadAll();

signals:
    void emptied();

private:
    // A slot joins its set for its lifetime and tells it of every unload.
    friend class FormSlotBase;
    void windowUnloaded();

    std::vector<FormSlotBase*> m_slots;
    bool m_checkQueued = false;
};

class FormSlotBase {
public:
    FormSlotBase(const FormSlotBase&) = delete;
    FormSlotBase& operator=(const FormSlotBase&) = delete;

    bool exists() const { return window() != nullptr; }

    // Unloads the window if it exists.
    void unload();

protected:
    explicit FormSlotBase(FormSet& set);
    ~FormSlotBase();

    // The window, if it exists.
    virtual Form* window() const = 0;

    // Called once the window has unloaded and the slot has let it go.
    void windowUnloaded() { m_set.windowUnloaded(); }

private:
    FormSet& m_set;
};

// The single instance of one window. get() creates the window first if it does
// not exist, running its load step before the caller gets it; creation does
// not show the window. peek() and exists() create nothing.
template <class T>
class FormSlot : public FormSlotBase {
public:
    using Factory = std::function<std::unique_ptr<T>()>;

    FormSlot(FormSet& set, Factory factory) : FormSlotBase(set), m_factory(std::move(factory)) {}
    // Outside any handler: the window can go at once.
    ~FormSlot() { delete m_window.data(); }

    T& get() {
        if (T* window = m_window) return *window;
        // The slot owns its window until the window unloads and deletes
        // itself, after the running handler: a load step that unloads its
        // own window still hands it to this caller.
        T* window = m_factory().release();
        m_window = window;
        QObject::connect(window, &Form::unloaded, window, [this] {
            m_window.clear();
            windowUnloaded();
        });
        window->load();
        return *window;
    }

    // The window if it exists, without creating it.
    T* peek() const { return m_window; }

    void show() { get().showForm(); }

protected:
    Form* window() const override { return m_window; }

private:
    Factory m_factory;
    QPointer<T> m_window;
};

}  // namespace forms
