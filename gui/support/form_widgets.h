#pragma once

// A feature object names the widgets of the main window form it drives in one list,
//   #define TEACHER_TAB_WIDGETS(X) X(QPushButton, teacher_apply_Button) X(QSlider, ...) ...
// from which its Widgets struct is declared (CORVANE_WIDGET_MEMBER) and which the window
// (or a test, from a form of its own) fills from the form (CORVANE_WIDGET_FROM_FORM, with
// `widgets` and `form` in scope). The compiler checks every name against the form.
#define CORVANE_WIDGET_MEMBER(Type, name) Type *name = nullptr;
#define CORVANE_WIDGET_FROM_FORM(Type, name) widgets.name = form->name;

// The Widgets of a feature object filled from a form: CORVANE_FORM_WIDGETS(TeacherTab, TEACHER_TAB_WIDGETS, ui).
#define CORVANE_FORM_WIDGETS(Class, LIST, form_pointer) \
    [&] { \
        Class::Widgets widgets; \
        auto *form = (form_pointer); \
        LIST(CORVANE_WIDGET_FROM_FORM) \
        return widgets; \
    }()
