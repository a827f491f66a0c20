#pragma once

#include <QObject>
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

    // Destroys every window at once, without unloading them one by one.
    void discardAll();

signals:
    void emptied();

private:
    friend class FormSlotBase;
    void add(FormSlotBase* slot) { m_slots.push_back(slot); }
    void remove(FormSlotBase* slot);
    void formUnloaded();

    std::vector<FormSlotBase*> m_slots;
    bool m_checkQueued = false;
};

class FormSlotBase {
public:
    FormSlotBase(const FormSlotBase&) = delete;
    FormSlotBase& operator=(const FormSlotBase&) = delete;

    bool exists() const { return m_form != nullptr; }

    // Unloads the window if it exists.
    void unload();

protected:
    explicit FormSlotBase(FormSet& set);
    ~FormSlotBase();

    void adopt(Form* form);
    Form* m_form = nullptr;

private:
    friend class FormSet;
    FormSet& m_set;
};

// The single instance of one window. Any touch through it creates the window
// first if it does not exist, running its load step before the touch takes
// effect. Creation does not show the window.
template <class T>
class FormSlot : public FormSlotBase {
public:
    using Factory = std::function<std::unique_ptr<T>()>;

    FormSlot(FormSet& set, Factory factory) : FormSlotBase(set), m_factory(std::move(factory)) {}

    T& get() {
        if (m_form == nullptr) {
            T* form = m_factory().release();
            adopt(form);
            static_cast<Form*>(form)->load();
        }
        return static_cast<T&>(*m_form);
    }
    T* operator->() { return &get(); }
    T& operator*() { return get(); }

    // The window if it exists, without creating it.
    T* peek() const { return static_cast<T*>(m_form); }

    void show() { get().showForm(); }

private:
    Factory m_factory;
};

}  // namespace forms
