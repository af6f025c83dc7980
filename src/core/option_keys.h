#pragma once
// The keys of the options file, shared by every layer that reads an option.
#include <string_view>

inline constexpr std::u16string_view kDvOptStartMinimized = u"dv_opt_b_start_minimized";
inline constexpr std::u16string_view kDvOptDontShowAdvisor = u"dv_opt_b_dont_show_advisor";
inline constexpr std::u16string_view kDvOptCompletedAsPercents = u"dv_opt_b_completed_as_percents";
inline constexpr std::u16string_view kDvOptPriorityAsPercents = u"dv_opt_b_priority_as_percents";
inline constexpr std::u16string_view kDvOptShowRemindersByDefault = u"dv_opt_b_show_reminders_by_default";
inline constexpr std::u16string_view kDvOptGroupReminders = u"dv_opt_b_group_reminders";
inline constexpr std::u16string_view kDvOptShowBkgImagesOnLists = u"dv_opt_b_show_bkg_images_on_lists";
inline constexpr std::u16string_view kDvOptLongDate = u"dv_opt_s_longdate";
inline constexpr std::u16string_view kDvOptShortDate = u"dv_opt_s_shortdate";
inline constexpr std::u16string_view kDvOptUsageCount = u"dv_opt_n_usg_cnt";
inline constexpr std::u16string_view kDvOptLastOpenDocMainFile = u"dv_opt_last_open_doc_main_file";
inline constexpr std::u16string_view kDvOptListFrameLeft = u"dv_opt_n_mainframe_listframeleft";
inline constexpr std::u16string_view kDvOptListFrameBottom = u"dv_opt_n_mainframe_listframebottom";
inline constexpr std::u16string_view kDvOptMainWindowRect = u"dv_opt_rc_mainframe_winrectscreencoords";
