#include "shell/application/ApplicationInstance.h"

#include <fw/ClassRecord.h>

fw::ClassRecord*& ApplicationClassStorage() noexcept
{
    static fw::ClassRecord* record = nullptr;
    return record;
}

fw::Ref<fw::Application> ApplicationInstance()
{
    fw::Ref<fw::Application> registered = fw::getAppObject();
    fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(registered.get(), ApplicationClassStorage());
    return fw::Ref<fw::Application>::retain(fw::native_cast<fw::Application>(cast.get()));
}
