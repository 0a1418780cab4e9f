# The binding's sources, for the page's module and for the native fuzz target that calls the
# same entry points.
set(QUANDREL_BINDING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(QUANDREL_BINDING_SOURCES
    ${QUANDREL_BINDING_DIR}/ControlStates.cpp
    ${QUANDREL_BINDING_DIR}/JsonText.cpp
    ${QUANDREL_BINDING_DIR}/JsonWriter.cpp
    ${QUANDREL_BINDING_DIR}/JudgementJson.cpp
    ${QUANDREL_BINDING_DIR}/LayoutJson.cpp
    ${QUANDREL_BINDING_DIR}/SessionFacts.cpp
    ${QUANDREL_BINDING_DIR}/WebEditor.cpp)
