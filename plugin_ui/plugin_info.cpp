#include "qodata/plugin_info.h"

#include <utility>

CPluginInfo::CPluginInfo() = default;
CPluginInfo::CPluginInfo(const CPluginInfo& other) = default;
CPluginInfo& CPluginInfo::operator=(const CPluginInfo& other) {
  Fields copy = other.fields_;  // may throw; the target is untouched until it succeeded
  fields_ = std::move(copy);
  return *this;
}
CPluginInfo& CPluginInfo::operator&(const CPluginInfo& other) { return *this = other; }
CPluginInfo::~CPluginInfo() = default;

void CPluginInfo::SetAuthor(qo::String author) { fields_.author = std::move(author); }
void CPluginInfo::SetCopyRight(qo::String copyright) { fields_.copyright = std::move(copyright); }
void CPluginInfo::SetVersion(qo::String version) { fields_.version = std::move(version); }
void CPluginInfo::SetStatus(bool status) { fields_.status = status; }
void CPluginInfo::SetDescription(qo::String description) {
  fields_.description = std::move(description);
}
void CPluginInfo::SetPluginPath(qo::String path) { fields_.pluginPath = std::move(path); }
void CPluginInfo::SetPluginType(PluginType type) { fields_.pluginType = type; }
void CPluginInfo::SetLoadingOption(PluginLoadingOption option) { fields_.loadingOption = option; }
void CPluginInfo::SetBrandKey(qo::String brandKey) { fields_.brandKey = std::move(brandKey); }
void CPluginInfo::SetPluginId(std::uint32_t pluginId) { fields_.pluginId = pluginId; }
qo::String CPluginInfo::GetAuthor() { return fields_.author; }
qo::String CPluginInfo::GetCopyRight() { return fields_.copyright; }
qo::String CPluginInfo::GetVersion() { return fields_.version; }
qo::String CPluginInfo::GetDescription() { return fields_.description; }
qo::String CPluginInfo::GetPluginPath() { return fields_.pluginPath; }
qo::String CPluginInfo::GetBrandKey() { return fields_.brandKey; }
bool CPluginInfo::GetStatus() { return fields_.status; }
std::uint32_t CPluginInfo::GetPluginId() { return fields_.pluginId; }
PluginType CPluginInfo::GetPluginType() { return fields_.pluginType; }
PluginLoadingOption CPluginInfo::GetLoadOption() { return fields_.loadingOption; }
