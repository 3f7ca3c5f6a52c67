#!/bin/sh
# The shared library's dynamic symbol table holds the public API only: the four exported
# functions, the interface identifiers, the exported classes (and their type information),
# qo::StatusError and the qo::platform functions. Anything else is an internal helper leaking.
set -eu
lib="$1"
symbols=$(nm -D --defined-only --demangle "$lib" | awk '{ $1=""; $2=""; sub(/^  /, ""); print }')
unexpected=$(printf '%s\n' "$symbols" | grep -v -E \
  -e '^(CreateDataFactoryInstance|FreeDataFactoryInstance|CreateAppComInstance|DestroyAppComInstance)$' \
  -e '^IID_(IUnknown|IApplicationCom|IDataFactory2)$' \
  -e '^qo::platform::(LoadResourceModule|FreeResourceModule|SetResourceLanguage|CreateWindowObject|DestroyWindowObject|GetWindowState)\(' \
  -e '^(typeinfo|typeinfo name|vtable|VTT|construction vtable) for ' \
  -e '^(non-virtual |virtual )?thunk to ' \
  -e '^qo::(StatusError|ContainerObject)::' \
  -e '^(CDataFactory|CUserProfile|CBuddyProfile|CBuddyList|CUserList|CSearchResultList|CMessage|CInboxMessage|COutboxMessage|CSystemMessage|CMessageAttachment|CConnectionProperties|CXMPPConnProperties|CCagTokens|CCredit|CCreditList|CAds|CAdsList|CIAdsList|CPluginInfo|CPluginUIElement|CPluginUIElementAction|CPluginWindowElement|CPluginWindowControl|CPluginControlCommand|PluginEventData|CQoDataSource)::' \
  -e '^qo::(Container|ExtendedContainer)<' \
  -e '^(_init|_fini|__bss_start|_edata|_end)$' \
  || true)
if [ -n "$unexpected" ]; then
  echo "unexpected exported symbols:"
  printf '%s\n' "$unexpected"
  exit 1
fi
for required in CreateDataFactoryInstance FreeDataFactoryInstance CreateAppComInstance DestroyAppComInstance \
                IID_IUnknown IID_IApplicationCom IID_IDataFactory2 'typeinfo for qo::StatusError'; do
  printf '%s\n' "$symbols" | grep -q -x -F "$required" || { echo "missing export: $required"; exit 1; }
done
echo "exported symbols: $(printf '%s\n' "$symbols" | wc -l), all public"
