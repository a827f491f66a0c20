#include "forms/form_slot.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>

namespace forms {

FormSet::FormSet() : m_context(std::make_unique<QObject>()) {}

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
    QMetaObject::invokeMethod(
        m_context.get(),
        [this] {
            m_checkQueued = false;
            if (!anyExists() && onEmpty) onEmpty();
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
