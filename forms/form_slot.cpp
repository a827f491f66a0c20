#include "forms/form_slot.h"

#include <QMetaObject>
#include <algorithm>

namespace forms {

FormSet::~FormSet() = default;

bool FormSet::anyExists() const {
    return std::any_of(m_slots.begin(), m_slots.end(),
                       [](const FormSlotBase* s) { return s->exists(); });
}

void FormSet::discardAll() {
    for (FormSlotBase* slot : m_slots) {
        if (Form* form = std::exchange(slot->m_form, nullptr)) {
            form->m_release = nullptr;
            form->unload();
        }
    }
}

void FormSet::remove(FormSlotBase* slot) {
    std::erase(m_slots, slot);
}

void FormSet::formUnloaded() {
    if (m_checkQueued) return;
    m_checkQueued = true;
    // Queued, so that a handler that unloads one window and shows another
    // leaves the program running.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_checkQueued = false;
            if (!anyExists()) emit emptied();
        },
        Qt::QueuedConnection);
}

FormSlotBase::FormSlotBase(FormSet& set) : m_set(set) {
    m_set.add(this);
}

FormSlotBase::~FormSlotBase() {
    // Outside any handler: the window can go at once.
    delete std::exchange(m_form, nullptr);
    m_set.remove(this);
}

void FormSlotBase::unload() {
    if (m_form != nullptr) m_form->unload();
}

void FormSlotBase::adopt(Form* form) {
    m_form = form;
    form->m_release = [this] {
        m_form = nullptr;
        m_set.formUnloaded();
    };
}

}  // namespace forms
