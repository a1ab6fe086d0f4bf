#include "element/WindowRegistry.h"

#include "element/SkinConstants.h"

ControlRecord* WindowRecord::control(int id)
{
    if (id < 1 || id > controlCount())
        return nullptr;
    return &controls[static_cast<std::size_t>(id - 1)];
}

void WindowRecord::clearLists()
{
    capture = 0;
    companions.clear();
    controls.clear();
    childWindows.clear();
}

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

int WindowRegistry::acquire(SkinElement* owner)
{
    std::size_t index = 0;
    while (index < m_records.size() && !m_records[index]->free)
        ++index;
    if (index == m_records.size())
        m_records.push_back(std::make_unique<WindowRecord>());
    WindowRecord& record = *m_records[index];
    record.clearLists();
    record.free = false;
    record.hwnd = nullptr;
    record.modalRunning = false;
    record.object = owner;
    return static_cast<int>(index + 1);
}

void WindowRegistry::release(int index)
{
    WindowRecord* entry = record(index);
    if (!entry)
        return;
    entry->clearLists();
    entry->free = true;
    entry->hwnd = nullptr;
    entry->object = nullptr;
    entry->modalRunning = false;
}

WindowRecord* WindowRegistry::record(int index)
{
    if (index < 1 || index > size())
        return nullptr;
    return m_records[static_cast<std::size_t>(index - 1)].get();
}

WindowRecord* WindowRegistry::recordOf(HWND window)
{
    // A freed record may already belong to the next window: a stale property must not reach it.
    WindowRecord* entry = record(registryIndexOf(window));
    return entry && !entry->free && entry->hwnd == window ? entry : nullptr;
}

int WindowRegistry::runningModalLoops() const
{
    int count = 0;
    for (const auto& entry : m_records)
        if (!entry->free && entry->modalRunning)
            ++count;
    return count > 0 ? count : -1;
}

int registryIndexOf(HWND window)
{
    if (!window)
        return 0;
    return static_cast<int>(skin::property(window, skin::kPropRegistryIndex));
}
