#include "qodata/plugin_event_data.h"

PluginEventData::PluginEventData() = default;
PluginEventData::PluginEventData(PluginEvent eventId, void* data)
    : eventId_(eventId), data_(data) {}
PluginEventData::PluginEventData(const PluginEventData& other) = default;
PluginEventData& PluginEventData::operator=(const PluginEventData& other) = default;
PluginEventData& PluginEventData::operator&(const PluginEventData& other) { return *this = other; }
PluginEventData::~PluginEventData() = default;

void PluginEventData::SetEventId(PluginEvent eventId) { eventId_ = eventId; }
void PluginEventData::SetData(void* data) { data_ = data; }
PluginEvent PluginEventData::GetEventId() { return eventId_; }
void* PluginEventData::GetData() { return data_; }
