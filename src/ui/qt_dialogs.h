// Message boxes in windows.
#pragma once

#include "platform/dialogs.h"

namespace orv::ui {

class QtDialogs final : public platform::Dialogs {
public:
    platform::DialogAnswer show(const platform::DialogRequest& request) override;
};

} // namespace orv::ui
