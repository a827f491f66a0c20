#include "forms/form_slot.h"

#include <QMetaObject>
#include <algorithm>

namespace forms {

FormSet::~FormSet() = default;

bool FormSet::anyExists() const {
    return std::any_of(m_slots.begin(), m_slots.end(),
                       [](const FormSlotBase* s) { return s->exists(); });
}

void FormSet::unloadAll() {
    for (FormSlotBase* slot : m_slots) slot->unload();
}

void FormSet::windowUnloaded() {
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
    m_set.m_slots.push_back(this);
}

FormSlotBase::~FormSlotBase() {
    std::erase(m_set.m_slots, this);
}

void FormSlotBase::unload() {
    if (Form* form = window()) form->unload();
}

}  // namespace forms
