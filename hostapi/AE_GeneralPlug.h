// The AEGP suites: project, layer, effect, stream and keyframe services.
#pragma once

#include "AE_EffectTypes.h"

typedef A_long AEGP_PluginID;
typedef A_long AEGP_InstalledEffectKey;
typedef A_long AEGP_EffectFlags;
typedef A_long AEGP_EffectIndex;
typedef A_long AEGP_KeyframeIndex;
typedef A_short AEGP_LTimeMode;
typedef A_u_long AEGP_MemSize;
typedef A_long AEGP_MemFlag;
typedef A_long AEGP_LayerIDVal;
typedef A_long AEGP_MaskIDVal;
typedef A_long AEGP_Index;
typedef A_char AEGP_LabelID;
typedef A_short AEGP_LayerQuality;
typedef A_long AEGP_LayerFlags;
typedef A_long AEGP_ObjectType;
typedef A_long AEGP_LayerStream;
typedef A_long AEGP_MaskStream;
typedef A_long AEGP_StreamFlags;
typedef A_long AEGP_StreamType;
typedef A_long AEGP_CompFlags;
typedef A_long AEGP_KeyframeFlags;
typedef A_long AEGP_KeyframeInterpolationType;
typedef A_long AEGP_KeyInterpolationMask;
typedef A_long AEGP_StreamGroupingType;
typedef A_u_long AEGP_DynStreamFlags;
typedef A_long PF_TransferMode;
typedef A_long AEGP_TransferFlags;
typedef A_long AEGP_TrackMatte;

typedef struct _Up_OpaqueMem** AEGP_MemHandle;
typedef struct _AEGP_Layer** AEGP_LayerH;
typedef struct _AEGP_Comp** AEGP_CompH;
typedef struct _AEGP_Item** AEGP_ItemH;
typedef struct _AEGP_Effect** AEGP_EffectRefH;
typedef struct _AEGPp_Stream** AEGP_StreamRefH;
typedef struct _AEGP_Mask** AEGP_MaskRefH;
typedef struct _AEGP_AddKeyframesInfo** AEGP_AddKeyframesInfoH;
typedef struct _AEGP_Collection2** AEGP_Collection2H;
typedef struct _AEGP_MaskOutlineVal** AEGP_MaskOutlineValH;
typedef struct _AEGP_TextDocument** AEGP_TextDocumentH;
typedef struct _AEGP_MarkerVal* AEGP_MarkerValP;
typedef A_Handle AEGP_ArbBlockVal;
typedef struct _AEGP_GlobalRefcon* AEGP_GlobalRefcon;
struct AEGP_ErrReportState;

enum { AEGP_InstalledEffectKey_NONE = 0 };
enum { AEGP_EffectFlags_NONE = 0, AEGP_EffectFlags_ACTIVE = 1, AEGP_EffectFlags_AUDIO_ONLY = 2,
       AEGP_EffectFlags_AUDIO_TOO = 4, AEGP_EffectFlags_MISSING = 8 };
enum { AEGP_LTimeMode_LayerTime = 0, AEGP_LTimeMode_CompTime = 1 };
enum { AEGP_MemFlag_NONE = 0, AEGP_MemFlag_CLEAR = 1, AEGP_MemFlag_QUIET = 2 };
enum { AEGP_NumKF_NO_DATA = -1 };
enum {
    AEGP_StreamType_NO_DATA = 0,
    AEGP_StreamType_ThreeD_SPATIAL = 1,
    AEGP_StreamType_ThreeD = 2,
    AEGP_StreamType_TwoD_SPATIAL = 3,
    AEGP_StreamType_TwoD = 4,
    AEGP_StreamType_OneD = 5,
    AEGP_StreamType_COLOR = 6,
    AEGP_StreamType_ARB = 7,
    AEGP_StreamType_MARKER = 8,
    AEGP_StreamType_LAYER_ID = 9,
    AEGP_StreamType_MASK_ID = 10,
    AEGP_StreamType_MASK = 11,
    AEGP_StreamType_TEXT_DOCUMENT = 12
};
enum {
    AEGP_MAX_EFFECT_NAME_SIZE = 48,
    AEGP_MAX_EFFECT_MATCH_NAME_SIZE = 48,
    AEGP_MAX_EFFECT_CATEGORY_NAME_SIZE = 32,
    AEGP_MAX_STREAM_NAME_SIZE = 32
};

struct AEGP_TwoDVal { A_FpLong x, y; };
struct AEGP_ThreeDVal { A_FpLong x, y, z; };
typedef A_FpLong AEGP_FourDVal[4];
typedef A_FpLong AEGP_OneDVal;
struct AEGP_ColorVal { A_FpLong alphaF, redF, greenF, blueF; };
struct AEGP_DownsampleFactor { A_short xS, yS; };
struct AEGP_KeyframeEase { A_FpLong speedF, influenceF; };
struct AEGP_LayerTransferMode {
    PF_TransferMode mode;
    AEGP_TransferFlags flags;
    AEGP_TrackMatte track_matte;
};

union AEGP_StreamVal2 {
    AEGP_FourDVal four_d;
    AEGP_ThreeDVal three_d;
    AEGP_TwoDVal two_d;
    AEGP_OneDVal one_d;
    AEGP_ColorVal color;
    AEGP_ArbBlockVal arbH;
    AEGP_MarkerValP markerP;
    AEGP_LayerIDVal layer_id;
    AEGP_MaskIDVal mask_id;
    AEGP_MaskOutlineValH mask;
    AEGP_TextDocumentH text_documentH;
};

struct AEGP_StreamValue2 {
    AEGP_StreamRefH streamH;
    AEGP_StreamVal2 val;
};

#define kAEGPUtilitySuite "AEGP Utility Suite"
#define kAEGPUtilitySuiteVersion3 7
#define kAEGPUtilitySuiteVersion5 11
#define kAEGPPFInterfaceSuite "AEGP PF Interface Suite"
#define kAEGPPFInterfaceSuiteVersion1 1
#define kAEGPLayerSuite "AEGP Layer Suite"
#define kAEGPLayerSuiteVersion7 13
#define kAEGPCompSuite "AEGP Comp Suite"
#define kAEGPCompSuiteVersion8 18
#define kAEGPEffectSuite "AEGP Effect Suite"
#define kAEGPEffectSuiteVersion3 3
#define kAEGPStreamSuite "AEGP Stream Suite"
#define kAEGPStreamSuiteVersion4 9
#define kAEGPDynamicStreamSuite "AEGP Dynamic Stream Suite"
#define kAEGPDynamicStreamSuiteVersion4 5
#define kAEGPMemorySuite "AEGP Memory Suite"
#define kAEGPMemorySuiteVersion1 1
#define kAEGPKeyframeSuite "AEGP Keyframe Suite"
#define kAEGPKeyframeSuiteVersion4 4

extern "C" {

struct AEGP_UtilitySuite3 {
    A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ);
    A_Err (*AEGP_GetDriverPluginInitFuncVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    A_Err (*AEGP_GetDriverImplementationVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    A_Err (*AEGP_StartQuietErrors)(AEGP_ErrReportState* err_stateP);
    A_Err (*AEGP_EndQuietErrors)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP);
    A_Err (*AEGP_StartUndoGroup)(const A_char* undo_nameZ);
    A_Err (*AEGP_EndUndoGroup)(void);
    A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ,
                                   AEGP_PluginID* plugin_id);
    A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    A_Err (*AEGP_ShowHideAllFloaters)(A_Boolean include_tool_palB);
    A_Err (*AEGP_PaintPalGetForeColor)(AEGP_ColorVal* fore_colorP);
    A_Err (*AEGP_PaintPalGetBackColor)(AEGP_ColorVal* back_colorP);
    A_Err (*AEGP_PaintPalSetForeColor)(const AEGP_ColorVal* fore_colorP);
    A_Err (*AEGP_PaintPalSetBackColor)(const AEGP_ColorVal* back_colorP);
    A_Err (*AEGP_CharPalGetFillColor)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP);
    A_Err (*AEGP_CharPalGetStrokeColor)(A_Boolean* is_stroke_color_definedPB,
                                        AEGP_ColorVal* stroke_colorP);
    A_Err (*AEGP_CharPalSetFillColor)(const AEGP_ColorVal* fill_colorP);
    A_Err (*AEGP_CharPalSetStrokeColor)(const AEGP_ColorVal* stroke_colorP);
    A_Err (*AEGP_CharPalIsFillColorUIFrontmost)(A_Boolean* is_fill_color_selectedPB);
    A_Err (*AEGP_ConvertFpLongToHSFRatio)(A_FpLong numberF, A_Ratio* ratioPR);
    A_Err (*AEGP_ConvertHSFRatioToFpLong)(A_Ratio ratioR, A_FpLong* numberPF);
    A_Err (*AEGP_CauseIdleRoutinesToBeCalled)(void);
    A_Err (*AEGP_GetSuppressInteractiveUI)(A_Boolean* ui_is_suppressedPB);
    A_Err (*AEGP_WriteToOSConsole)(const A_char* textZ);
    A_Err (*AEGP_WriteToDebugLog)(const A_char* subsystemZ, const A_char* event_typeZ,
                                  const A_char* infoZ);
};

// Version 11 inserts GetLastErrorMessage, which moves the undo operations one slot on.
struct AEGP_UtilitySuite5 {
    A_Err (*AEGP_ReportInfo)(AEGP_PluginID aegp_plugin_id, const A_char* info_stringZ);
    A_Err (*AEGP_GetDriverPluginInitFuncVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    A_Err (*AEGP_GetDriverImplementationVersion)(A_short* major_versionPS, A_short* minor_versionPS);
    A_Err (*AEGP_StartQuietErrors)(AEGP_ErrReportState* err_stateP);
    A_Err (*AEGP_EndQuietErrors)(A_Boolean report_quieted_errorsB, AEGP_ErrReportState* err_stateP);
    A_Err (*AEGP_GetLastErrorMessage)(A_long buffer_size, A_char* error_string, A_Err* error_num);
    A_Err (*AEGP_StartUndoGroup)(const A_char* undo_nameZ);
    A_Err (*AEGP_EndUndoGroup)(void);
    A_Err (*AEGP_RegisterWithAEGP)(AEGP_GlobalRefcon global_refcon, const A_char* plugin_nameZ,
                                   AEGP_PluginID* plugin_id);
    A_Err (*AEGP_GetMainHWND)(void* main_hwnd);
    A_Err (*AEGP_ShowHideAllFloaters)(A_Boolean include_tool_palB);
    A_Err (*AEGP_PaintPalGetForeColor)(AEGP_ColorVal* fore_colorP);
    A_Err (*AEGP_PaintPalGetBackColor)(AEGP_ColorVal* back_colorP);
    A_Err (*AEGP_PaintPalSetForeColor)(const AEGP_ColorVal* fore_colorP);
    A_Err (*AEGP_PaintPalSetBackColor)(const AEGP_ColorVal* back_colorP);
    A_Err (*AEGP_CharPalGetFillColor)(A_Boolean* is_fill_color_definedPB, AEGP_ColorVal* fill_colorP);
    A_Err (*AEGP_CharPalGetStrokeColor)(A_Boolean* is_stroke_color_definedPB,
                                        AEGP_ColorVal* stroke_colorP);
    A_Err (*AEGP_CharPalSetFillColor)(const AEGP_ColorVal* fill_colorP);
    A_Err (*AEGP_CharPalSetStrokeColor)(const AEGP_ColorVal* stroke_colorP);
    A_Err (*AEGP_CharPalIsFillColorUIFrontmost)(A_Boolean* is_fill_color_selectedPB);
    A_Err (*AEGP_ConvertFpLongToHSFRatio)(A_FpLong numberF, A_Ratio* ratioPR);
    A_Err (*AEGP_ConvertHSFRatioToFpLong)(A_Ratio ratioR, A_FpLong* numberPF);
    A_Err (*AEGP_CauseIdleRoutinesToBeCalled)(void);
    A_Err (*AEGP_GetSuppressInteractiveUI)(A_Boolean* ui_is_suppressedPB);
    A_Err (*AEGP_WriteToOSConsole)(const A_char* textZ);
    A_Err (*AEGP_WriteToDebugLog)(const A_char* subsystemZ, const A_char* event_typeZ,
                                  const A_char* infoZ);
    A_Err (*AEGP_IsScriptingAvailable)(A_Boolean* outAvailablePB);
    A_Err (*AEGP_ExecuteScript)(AEGP_PluginID in_plugin_id, const A_char* inScriptZ,
                                A_Boolean platform_encodingB, AEGP_MemHandle* outResultPH0,
                                AEGP_MemHandle* outErrorStringPH0);
    A_Err (*AEGP_HostIsActivated)(A_Boolean* outIsActivatedPB);
    A_Err (*AEGP_GetPluginPlatformRef)(AEGP_PluginID plug_id, void** plat_refPPV);
    A_Err (*AEGP_UpdateFontList)(void);
};

struct AEGP_PFInterfaceSuite1 {
    A_Err (*AEGP_GetEffectLayer)(PF_ProgPtr effect_pp_ref, AEGP_LayerH* layerPH);
    A_Err (*AEGP_GetNewEffectForEffect)(AEGP_PluginID aegp_plugin_id, PF_ProgPtr effect_pp_ref,
                                        AEGP_EffectRefH* effect_refPH);
    A_Err (*AEGP_ConvertEffectToCompTime)(PF_ProgPtr effect_pp_ref, A_long what_timeL,
                                          A_u_long time_scaleLu, A_Time* comp_timePT);
    A_Err (*AEGP_GetEffectCamera)(PF_ProgPtr effect_pp_ref, const A_Time* comp_timePT,
                                  AEGP_LayerH* camera_layerPH);
    A_Err (*AEGP_GetEffectCameraMatrix)(PF_ProgPtr effect_pp_ref, const A_Time* comp_timePT,
                                        A_Matrix4* camera_matrixP, A_FpLong* dist_to_image_planePF,
                                        A_short* image_plane_widthPL, A_short* image_plane_heightPL);
};

struct AEGP_LayerSuite7 {
    A_Err (*AEGP_GetCompNumLayers)(AEGP_CompH compH, A_long* num_layersPL);
    A_Err (*AEGP_GetCompLayerByIndex)(AEGP_CompH compH, A_long layer_indexL, AEGP_LayerH* layerPH);
    A_Err (*AEGP_GetActiveLayer)(AEGP_LayerH* layerPH);
    A_Err (*AEGP_GetLayerIndex)(AEGP_LayerH layerH, A_long* layer_indexPL);
    A_Err (*AEGP_GetLayerSourceItem)(AEGP_LayerH layerH, AEGP_ItemH* source_itemPH);
    A_Err (*AEGP_GetLayerSourceItemID)(AEGP_LayerH layerH, A_long* source_idPL);
    A_Err (*AEGP_GetLayerParentComp)(AEGP_LayerH layerH, AEGP_CompH* compPH);
    A_Err (*AEGP_GetLayerName)(AEGP_PluginID pluginID, AEGP_LayerH layerH,
                               AEGP_MemHandle* utf_layer_namePH0, AEGP_MemHandle* utf_source_namePH0);
    A_Err (*AEGP_GetLayerQuality)(AEGP_LayerH layerH, AEGP_LayerQuality* qualityP);
    A_Err (*AEGP_SetLayerQuality)(AEGP_LayerH layerH, AEGP_LayerQuality quality);
    A_Err (*AEGP_GetLayerFlags)(AEGP_LayerH layerH, AEGP_LayerFlags* layer_flagsP);
    A_Err (*AEGP_SetLayerFlag)(AEGP_LayerH layerH, AEGP_LayerFlags single_flag, A_Boolean valueB);
    A_Err (*AEGP_IsLayerVideoReallyOn)(AEGP_LayerH layerH, A_Boolean* onPB);
    A_Err (*AEGP_IsLayerAudioReallyOn)(AEGP_LayerH layerH, A_Boolean* onPB);
    A_Err (*AEGP_GetLayerCurrentTime)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                      A_Time* curr_timePT);
    A_Err (*AEGP_GetLayerInPoint)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode, A_Time* in_pointPT);
    A_Err (*AEGP_GetLayerDuration)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode, A_Time* durationPT);
    A_Err (*AEGP_SetLayerInPointAndDuration)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                             const A_Time* in_pointPT, const A_Time* durationPT);
    A_Err (*AEGP_GetLayerOffset)(AEGP_LayerH layerH, A_Time* offsetPT);
    A_Err (*AEGP_SetLayerOffset)(AEGP_LayerH layerH, const A_Time* offsetPT);
    A_Err (*AEGP_GetLayerStretch)(AEGP_LayerH layerH, A_Ratio* stretchPRt);
    A_Err (*AEGP_SetLayerStretch)(AEGP_LayerH layerH, const A_Ratio* stretchPRt);
    A_Err (*AEGP_GetLayerTransferMode)(AEGP_LayerH layerH, AEGP_LayerTransferMode* transferP);
    A_Err (*AEGP_SetLayerTransferMode)(AEGP_LayerH layerH, const AEGP_LayerTransferMode* transferP);
    A_Err (*AEGP_IsAddLayerValid)(AEGP_ItemH item_to_addH, AEGP_CompH into_compH, A_Boolean* validPB);
    A_Err (*AEGP_AddLayer)(AEGP_ItemH item_to_addH, AEGP_CompH into_compH, AEGP_LayerH* added_layerPH0);
    A_Err (*AEGP_ReorderLayer)(AEGP_LayerH layerH, A_long layer_indexL);
    A_Err (*AEGP_GetLayerMaskedBounds)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode,
                                       const A_Time* timePT, A_FloatRect* boundsPR);
    A_Err (*AEGP_GetLayerObjectType)(AEGP_LayerH layerH, AEGP_ObjectType* object_type);
    A_Err (*AEGP_IsLayer3D)(AEGP_LayerH layerH, A_Boolean* is_3DPB);
    A_Err (*AEGP_IsLayer2D)(AEGP_LayerH layerH, A_Boolean* is_2DPB);
    A_Err (*AEGP_IsVideoActive)(AEGP_LayerH layerH, AEGP_LTimeMode time_mode, const A_Time* timePT,
                                A_Boolean* is_activePB);
    A_Err (*AEGP_IsLayerUsedAsTrackMatte)(AEGP_LayerH layerH, A_Boolean fill_must_be_activeB,
                                          A_Boolean* is_track_mattePB);
    A_Err (*AEGP_DoesLayerHaveTrackMatte)(AEGP_LayerH layerH, A_Boolean* has_track_mattePB);
    A_Err (*AEGP_ConvertCompToLayerTime)(AEGP_LayerH layerH, const A_Time* comp_timeP,
                                         A_Time* layer_timeP);
    A_Err (*AEGP_ConvertLayerToCompTime)(AEGP_LayerH layerH, const A_Time* layer_timeP,
                                         A_Time* comp_timeP);
    A_Err (*AEGP_GetLayerDancingRandValue)(AEGP_LayerH layerH, const A_Time* comp_timePT,
                                           A_long* rand_valuePL);
    A_Err (*AEGP_GetLayerID)(AEGP_LayerH layerH, AEGP_LayerIDVal* id_valP);
    A_Err (*AEGP_GetLayerToWorldXform)(AEGP_LayerH aegp_layerH, const A_Time* comp_timeP,
                                       A_Matrix4* transform);
    A_Err (*AEGP_GetLayerToWorldXformFromView)(AEGP_LayerH aegp_layerH, const A_Time* view_timeP,
                                               const A_Time* comp_timeP, A_Matrix4* transform);
    A_Err (*AEGP_SetLayerName)(AEGP_LayerH aegp_layerH, const A_UTF16Char* new_nameZ);
    A_Err (*AEGP_GetLayerParent)(AEGP_LayerH layerH, AEGP_LayerH* parent_layerPH);
    A_Err (*AEGP_SetLayerParent)(AEGP_LayerH layerH, const AEGP_LayerH parent_layerH0);
    A_Err (*AEGP_DeleteLayer)(AEGP_LayerH layerH);
    A_Err (*AEGP_DuplicateLayer)(AEGP_LayerH orig_layerH, AEGP_LayerH* duplicate_layerPH);
    A_Err (*AEGP_GetLayerFromLayerID)(AEGP_CompH parent_compH, AEGP_LayerIDVal id,
                                      AEGP_LayerH* layerPH);
    A_Err (*AEGP_GetLayerLabel)(AEGP_LayerH layerH, AEGP_LabelID* labelP);
    A_Err (*AEGP_SetLayerLabel)(AEGP_LayerH layerH, AEGP_LabelID label);
};

struct AEGP_CompSuite8 {
    A_Err (*AEGP_GetCompFromItem)(AEGP_ItemH itemH, AEGP_CompH* compPH);
    A_Err (*AEGP_GetItemFromComp)(AEGP_CompH compH, AEGP_ItemH* itemPH);
    A_Err (*AEGP_GetCompDownsampleFactor)(AEGP_CompH compH, AEGP_DownsampleFactor* dsfP);
    A_Err (*AEGP_SetCompDownsampleFactor)(AEGP_CompH compH, const AEGP_DownsampleFactor* dsfP);
    A_Err (*AEGP_GetCompBGColor)(AEGP_CompH compH, AEGP_ColorVal* bg_colorP);
    A_Err (*AEGP_SetCompBGColor)(AEGP_CompH compH, const AEGP_ColorVal* bg_colorP);
    A_Err (*AEGP_GetCompFlags)(AEGP_CompH compH, AEGP_CompFlags* comp_flagsP);
    A_Err (*AEGP_GetCompFramerate)(AEGP_CompH compH, A_FpLong* fpsPF);
    A_Err (*AEGP_SetCompFrameRate)(AEGP_CompH compH, const A_FpLong* fpsPF);
    A_Err (*AEGP_GetCompShutterAnglePhase)(AEGP_CompH compH, A_Ratio* angle, A_Ratio* phase);
    A_Err (*AEGP_GetCompShutterFrameRange)(AEGP_CompH compH, const A_Time* comp_timeP,
                                           A_Time* start, A_Time* duration);
    A_Err (*AEGP_GetCompSuggestedMotionBlurSamples)(AEGP_CompH compH, A_long* samplesPL);
    A_Err (*AEGP_SetCompSuggestedMotionBlurSamples)(AEGP_CompH compH, A_long samplesL);
    A_Err (*AEGP_GetCompWorkAreaStart)(AEGP_CompH compH, A_Time* work_area_startPT);
    A_Err (*AEGP_GetCompWorkAreaDuration)(AEGP_CompH compH, A_Time* work_area_durationPT);
    A_Err (*AEGP_SetCompWorkAreaStartAndDuration)(AEGP_CompH compH, const A_Time* work_area_startPT,
                                                  const A_Time* work_area_durationPT);
    A_Err (*AEGP_CreateSolidInComp)(const A_UTF16Char* utf_nameZ, A_long width, A_long height,
                                    const AEGP_ColorVal* color, AEGP_CompH parent_compH,
                                    const A_Time* durationPT0, AEGP_LayerH* new_solidPH);
    A_Err (*AEGP_CreateCameraInComp)(const A_UTF16Char* utf_nameZ, A_FloatPoint center_point,
                                     AEGP_CompH parent_compH, AEGP_LayerH* new_cameraPH);
    A_Err (*AEGP_CreateLightInComp)(const A_UTF16Char* utf_nameZ, A_FloatPoint center_point,
                                    AEGP_CompH parent_compH, AEGP_LayerH* new_lightPH);
    A_Err (*AEGP_CreateComp)(AEGP_ItemH parent_folderH0, const A_UTF16Char* utf_nameZ, A_long widthL,
                             A_long heightL, const A_Ratio* pixel_aspect_ratioPRt,
                             const A_Time* durationPT, const A_Ratio* frameratePRt,
                             AEGP_CompH* new_compPH);
    A_Err (*AEGP_GetNewCollectionFromCompSelection)(AEGP_PluginID plugin_id, AEGP_CompH compH,
                                                    AEGP_Collection2H* collectionPH);
    A_Err (*AEGP_SetSelection)(AEGP_CompH compH, AEGP_Collection2H collectionH);
    A_Err (*AEGP_GetCompDisplayStartTime)(AEGP_CompH compH, A_Time* start_timePT);
    A_Err (*AEGP_SetCompDisplayStartTime)(AEGP_CompH compH, const A_Time* start_timePT);
    A_Err (*AEGP_SetCompDuration)(AEGP_CompH compH, const A_Time* durationPT);
    A_Err (*AEGP_CreateNullInComp)(const A_UTF16Char* utf_nameZ, AEGP_CompH parent_compH,
                                   const A_Time* durationPT0, AEGP_LayerH* new_null_solidPH);
    A_Err (*AEGP_SetCompPixelAspectRatio)(AEGP_CompH compH, const A_Ratio* pix_aspectratioPRt);
    A_Err (*AEGP_CreateTextLayerInComp)(AEGP_CompH parent_compH, AEGP_LayerH* new_text_layerPH);
    A_Err (*AEGP_CreateBoxTextLayerInComp)(AEGP_CompH parent_compH, A_FloatPoint box_dimensions,
                                           AEGP_LayerH* new_text_layerPH);
    A_Err (*AEGP_SetCompDimensions)(AEGP_CompH compH, A_long widthL, A_long heightL);
    A_Err (*AEGP_DuplicateComp)(AEGP_CompH compH, AEGP_CompH* new_compPH);
    A_Err (*AEGP_GetCompFrameDuration)(AEGP_CompH compH, A_Time* timeP);
    A_Err (*AEGP_GetMostRecentlyUsedComp)(AEGP_CompH* compPH);
    A_Err (*AEGP_CreateVectorLayerInComp)(AEGP_CompH parent_compH, AEGP_LayerH* new_vec_layerPH);
    A_Err (*AEGP_GetNewCompMarkerStream)(AEGP_PluginID aegp_plugin_id, AEGP_CompH parent_compH,
                                         AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_GetCompDisplayDropFrame)(AEGP_CompH compH, A_Boolean* dropFramePB);
    A_Err (*AEGP_SetCompDisplayDropFrame)(AEGP_CompH compH, A_Boolean dropFrameB);
};

struct AEGP_EffectSuite3 {
    A_Err (*AEGP_GetLayerNumEffects)(AEGP_LayerH layerH, A_long* num_effectsPL);
    A_Err (*AEGP_GetLayerEffectByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                        AEGP_EffectIndex layer_effect_indexL,
                                        AEGP_EffectRefH* effectPH);
    A_Err (*AEGP_GetInstalledKeyFromLayerEffect)(AEGP_EffectRefH effect_refH,
                                                 AEGP_InstalledEffectKey* installed_keyP);
    A_Err (*AEGP_GetEffectParamUnionByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effectH,
                                             PF_ParamIndex param_index, PF_ParamType* param_typeP,
                                             PF_ParamDefUnion* uP0);
    A_Err (*AEGP_GetEffectFlags)(AEGP_EffectRefH effect_refH, AEGP_EffectFlags* effect_flagsP);
    A_Err (*AEGP_SetEffectFlags)(AEGP_EffectRefH effect_refH, AEGP_EffectFlags effect_flags_set_mask,
                                 AEGP_EffectFlags effect_flags);
    A_Err (*AEGP_ReorderEffect)(AEGP_EffectRefH effect_refH, A_long effect_indexL);
    A_Err (*AEGP_EffectCallGeneric)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effectH,
                                    const A_Time* timePT, PF_Cmd effect_cmd, void* effect_extraPV);
    A_Err (*AEGP_DisposeEffect)(AEGP_EffectRefH effectH);
    A_Err (*AEGP_ApplyEffect)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                              AEGP_InstalledEffectKey installed_effect_key,
                              AEGP_EffectRefH* effect_refPH);
    A_Err (*AEGP_DeleteLayerEffect)(AEGP_EffectRefH effect_refH);
    A_Err (*AEGP_GetNumInstalledEffects)(A_long* num_installed_effectsPL);
    A_Err (*AEGP_GetNextInstalledEffect)(AEGP_InstalledEffectKey key,
                                         AEGP_InstalledEffectKey* next_effectPH);
    A_Err (*AEGP_GetEffectName)(AEGP_InstalledEffectKey installed_effect_key, A_char* nameZ);
    A_Err (*AEGP_GetEffectMatchName)(AEGP_InstalledEffectKey installed_effect_key,
                                     A_char* match_nameZ);
    A_Err (*AEGP_GetEffectCategory)(AEGP_InstalledEffectKey installed_effect_key, A_char* categoryZ);
    A_Err (*AEGP_DuplicateEffect)(AEGP_EffectRefH original_effect_refH,
                                  AEGP_EffectRefH* duplicate_effect_refPH);
};

struct AEGP_StreamSuite4 {
    A_Err (*AEGP_IsStreamLegal)(AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                A_Boolean* is_legalP);
    A_Err (*AEGP_CanVaryOverTime)(AEGP_StreamRefH streamH, A_Boolean* can_varyPB);
    A_Err (*AEGP_GetValidInterpolations)(AEGP_StreamRefH streamH,
                                         AEGP_KeyInterpolationMask* valid_interpP);
    A_Err (*AEGP_GetNewLayerStream)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                    AEGP_LayerStream which_stream, AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_GetEffectNumParamStreams)(AEGP_EffectRefH effect_refH, A_long* num_paramsPL);
    A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_EffectRefH effect_refH,
                                            PF_ParamIndex param_index, AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_GetNewMaskStream)(AEGP_PluginID aegp_plugin_id, AEGP_MaskRefH mask_refH,
                                   AEGP_MaskStream which_stream, AEGP_StreamRefH* mask_strmPH);
    A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
    A_Err (*AEGP_GetStreamName)(AEGP_PluginID pluginID, AEGP_StreamRefH streamH,
                                A_Boolean force_englishB, AEGP_MemHandle* utf_stream_namePH);
    A_Err (*AEGP_GetStreamUnitsText)(AEGP_StreamRefH streamH, A_Boolean force_englishB,
                                     A_char* unitsZ);
    A_Err (*AEGP_GetStreamProperties)(AEGP_StreamRefH streamH, AEGP_StreamFlags* flagsP,
                                      A_FpLong* minP0, A_FpLong* maxP0);
    A_Err (*AEGP_IsStreamTimevarying)(AEGP_StreamRefH streamH, A_Boolean* is_timevaryPB);
    A_Err (*AEGP_GetStreamType)(AEGP_StreamRefH streamH, AEGP_StreamType* stream_typeP);
    A_Err (*AEGP_GetNewStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                    AEGP_LTimeMode time_mode, const A_Time* timePT,
                                    A_Boolean pre_expressionB, AEGP_StreamValue2* valueP);
    A_Err (*AEGP_DisposeStreamValue)(AEGP_StreamValue2* valueP);
    A_Err (*AEGP_SetStreamValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                 AEGP_StreamValue2* valueP);
    A_Err (*AEGP_GetLayerStreamValue)(AEGP_LayerH layerH, AEGP_LayerStream which_stream,
                                      AEGP_LTimeMode time_mode, const A_Time* timePT,
                                      A_Boolean pre_expressionB, AEGP_StreamVal2* stream_valP,
                                      AEGP_StreamType* stream_typeP0);
    A_Err (*AEGP_GetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                     A_Boolean* enabledPB);
    A_Err (*AEGP_SetExpressionState)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                     A_Boolean enabledB);
    A_Err (*AEGP_GetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                AEGP_MemHandle* expressionHZ);
    A_Err (*AEGP_SetExpression)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                const A_char* expressionP);
    A_Err (*AEGP_DuplicateStreamRef)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                     AEGP_StreamRefH* dup_streamPH);
};

struct AEGP_DynamicStreamSuite4 {
    A_Err (*AEGP_GetNewStreamRefForLayer)(AEGP_PluginID aegp_plugin_id, AEGP_LayerH layerH,
                                          AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_GetNewStreamRefForMask)(AEGP_PluginID aegp_plugin_id, AEGP_MaskRefH maskH,
                                         AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_GetStreamDepth)(AEGP_StreamRefH streamH, A_long* depthPL);
    A_Err (*AEGP_GetStreamGroupingType)(AEGP_StreamRefH streamH,
                                        AEGP_StreamGroupingType* group_typeP);
    A_Err (*AEGP_GetNumStreamsInGroup)(AEGP_StreamRefH streamH, A_long* num_streamsPL);
    A_Err (*AEGP_GetDynamicStreamFlags)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags* flagsP);
    A_Err (*AEGP_SetDynamicStreamFlag)(AEGP_StreamRefH streamH, AEGP_DynStreamFlags one_flag,
                                       A_Boolean undoableB, A_Boolean setB);
    A_Err (*AEGP_GetNewStreamRefByIndex)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH parent_groupH,
                                         A_long indexL, AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_GetNewStreamRefByMatchname)(AEGP_PluginID aegp_plugin_id,
                                             AEGP_StreamRefH parent_groupH,
                                             const A_char* utf8_match_nameZ,
                                             AEGP_StreamRefH* streamPH);
    A_Err (*AEGP_DeleteStream)(AEGP_StreamRefH streamH);
    A_Err (*AEGP_ReorderStream)(AEGP_StreamRefH streamH, A_long new_indexL);
    A_Err (*AEGP_DuplicateStream)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                  A_long* new_indexPL0);
    A_Err (*AEGP_SetStreamName)(AEGP_StreamRefH streamH, const A_UTF16Char* nameZ);
    A_Err (*AEGP_CanAddStream)(AEGP_StreamRefH group_streamH, const A_char* utf8_match_nameZ,
                               A_Boolean* can_addPB);
    A_Err (*AEGP_AddStream)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH indexed_group_streamH,
                            const A_char* utf8_match_nameZ, AEGP_StreamRefH* streamPH0);
    A_Err (*AEGP_GetMatchName)(AEGP_StreamRefH streamH, A_char* utf8_match_nameZ);
    A_Err (*AEGP_GetNewParentStreamRef)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                        AEGP_StreamRefH* parent_streamPH);
    A_Err (*AEGP_GetStreamIsModified)(AEGP_StreamRefH streamH, A_Boolean* modifiedPB);
    A_Err (*AEGP_GetStreamIndexInParent)(AEGP_StreamRefH streamH, A_long* indexPL);
    A_Err (*AEGP_IsSeparationLeader)(AEGP_StreamRefH streamH, A_Boolean* leaderPB);
    A_Err (*AEGP_AreDimensionsSeparated)(AEGP_StreamRefH leader_streamH, A_Boolean* separatedPB);
    A_Err (*AEGP_SetDimensionsSeparated)(AEGP_StreamRefH leader_streamH, A_Boolean separatedB);
    A_Err (*AEGP_GetSeparationFollower)(AEGP_StreamRefH leader_streamH, A_short dimS,
                                        AEGP_StreamRefH* follower_streamPH);
    A_Err (*AEGP_IsSeparationFollower)(AEGP_StreamRefH streamH, A_Boolean* followerPB);
    A_Err (*AEGP_GetSeparationLeader)(AEGP_StreamRefH follower_streamH,
                                      AEGP_StreamRefH* leader_streamPH);
    A_Err (*AEGP_GetSeparationDimension)(AEGP_StreamRefH follower_streamH, A_short* dimPS);
};

struct AEGP_MemorySuite1 {
    A_Err (*AEGP_NewMemHandle)(AEGP_PluginID plugin_id, const A_char* whatZ, AEGP_MemSize size,
                               AEGP_MemFlag flags, AEGP_MemHandle* memPH);
    A_Err (*AEGP_FreeMemHandle)(AEGP_MemHandle memH);
    A_Err (*AEGP_LockMemHandle)(AEGP_MemHandle memH, void** ptr_to_ptr);
    A_Err (*AEGP_UnlockMemHandle)(AEGP_MemHandle memH);
    A_Err (*AEGP_GetMemHandleSize)(AEGP_MemHandle memH, AEGP_MemSize* sizeP);
    A_Err (*AEGP_ResizeMemHandle)(const A_char* whatZ, AEGP_MemSize new_size, AEGP_MemHandle memH);
    A_Err (*AEGP_SetMemReportingOn)(A_Boolean turn_OnB);
    A_Err (*AEGP_GetMemStats)(AEGP_PluginID plugin_id, A_long* countPL, A_long* sizePL);
};

struct AEGP_KeyframeSuite4 {
    A_Err (*AEGP_GetStreamNumKFs)(AEGP_StreamRefH streamH, A_long* num_kfsPL);
    A_Err (*AEGP_GetKeyframeTime)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                  AEGP_LTimeMode time_mode, A_Time* timePT);
    A_Err (*AEGP_InsertKeyframe)(AEGP_StreamRefH streamH, AEGP_LTimeMode time_mode,
                                 const A_Time* timePT, AEGP_KeyframeIndex* key_indexP);
    A_Err (*AEGP_DeleteKeyframe)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index);
    A_Err (*AEGP_GetNewKeyframeValue)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                      AEGP_KeyframeIndex key_index, AEGP_StreamValue2* valueP);
    A_Err (*AEGP_SetKeyframeValue)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                   const AEGP_StreamValue2* valueP);
    A_Err (*AEGP_GetStreamValueDimensionality)(AEGP_StreamRefH streamH, A_short* value_dimPS);
    A_Err (*AEGP_GetStreamTemporalDimensionality)(AEGP_StreamRefH streamH, A_short* temporal_dimPS);
    A_Err (*AEGP_GetNewKeyframeSpatialTangents)(AEGP_PluginID aegp_plugin_id, AEGP_StreamRefH streamH,
                                                AEGP_KeyframeIndex key_index,
                                                AEGP_StreamValue2* in_tanP0,
                                                AEGP_StreamValue2* out_tanP0);
    A_Err (*AEGP_SetKeyframeSpatialTangents)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                             const AEGP_StreamValue2* in_tanP0,
                                             const AEGP_StreamValue2* out_tanP0);
    A_Err (*AEGP_GetKeyframeTemporalEase)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                          A_long dimensionL, AEGP_KeyframeEase* in_easeP0,
                                          AEGP_KeyframeEase* out_easeP0);
    A_Err (*AEGP_SetKeyframeTemporalEase)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                          A_long dimensionL, const AEGP_KeyframeEase* in_easeP0,
                                          const AEGP_KeyframeEase* out_easeP0);
    A_Err (*AEGP_GetKeyframeFlags)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                   AEGP_KeyframeFlags* flagsP);
    A_Err (*AEGP_SetKeyframeFlag)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                  AEGP_KeyframeFlags flag, A_Boolean true_falseB);
    A_Err (*AEGP_GetKeyframeInterpolation)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                           AEGP_KeyframeInterpolationType* in_interpP0,
                                           AEGP_KeyframeInterpolationType* out_interpP0);
    A_Err (*AEGP_SetKeyframeInterpolation)(AEGP_StreamRefH streamH, AEGP_KeyframeIndex key_index,
                                           AEGP_KeyframeInterpolationType in_interp,
                                           AEGP_KeyframeInterpolationType out_interp);
    A_Err (*AEGP_StartAddKeyframes)(AEGP_StreamRefH streamH, AEGP_AddKeyframesInfoH* akPH);
    A_Err (*AEGP_AddKeyframes)(AEGP_AddKeyframesInfoH akH, AEGP_LTimeMode time_mode,
                               const A_Time* timePT, A_long* key_indexPL);
    A_Err (*AEGP_SetAddKeyframe)(AEGP_AddKeyframesInfoH akH, A_long key_indexL,
                                 const AEGP_StreamValue2* valueP);
    A_Err (*AEGP_EndAddKeyframes)(A_Boolean addB, AEGP_AddKeyframesInfoH akH);
};
}

static_assert(sizeof(AEGP_TwoDVal) == 16 && sizeof(AEGP_ThreeDVal) == 24 &&
                  sizeof(AEGP_FourDVal) == 32 && sizeof(AEGP_ColorVal) == 32,
              "value records");
static_assert(sizeof(AEGP_DownsampleFactor) == 4 && sizeof(AEGP_KeyframeEase) == 16 &&
                  sizeof(AEGP_LayerTransferMode) == 12,
              "small AEGP records");
static_assert(sizeof(AEGP_StreamVal2) == 32 && alignof(AEGP_StreamVal2) == 8, "AEGP_StreamVal2");
static_assert(sizeof(AEGP_StreamValue2) == 40 && offsetof(AEGP_StreamValue2, val) == 8,
              "AEGP_StreamValue2 layout");
static_assert(sizeof(AEGP_LTimeMode) == 2 && sizeof(AEGP_MemSize) == 4, "narrow AEGP types");

static_assert(sizeof(AEGP_UtilitySuite3) == 200, "AEGP_UtilitySuite3 size");
static_assert(offsetof(AEGP_UtilitySuite3, AEGP_StartUndoGroup) == 8 * 5 &&
                  offsetof(AEGP_UtilitySuite3, AEGP_RegisterWithAEGP) == 8 * 7,
              "AEGP_UtilitySuite3 slots");
static_assert(sizeof(AEGP_UtilitySuite5) == 248, "AEGP_UtilitySuite5 size");
static_assert(offsetof(AEGP_UtilitySuite5, AEGP_StartUndoGroup) == 8 * 6 &&
                  offsetof(AEGP_UtilitySuite5, AEGP_EndUndoGroup) == 8 * 7,
              "AEGP_UtilitySuite5 slots");
static_assert(sizeof(AEGP_PFInterfaceSuite1) == 40, "AEGP_PFInterfaceSuite1 size");
static_assert(offsetof(AEGP_PFInterfaceSuite1, AEGP_ConvertEffectToCompTime) == 8 * 2 &&
                  offsetof(AEGP_PFInterfaceSuite1, AEGP_GetEffectCameraMatrix) == 8 * 4,
              "AEGP_PFInterfaceSuite1 slots");
static_assert(sizeof(AEGP_LayerSuite7) == 384, "AEGP_LayerSuite7 size");
static_assert(offsetof(AEGP_LayerSuite7, AEGP_GetLayerParentComp) == 8 * 6 &&
                  offsetof(AEGP_LayerSuite7, AEGP_GetLayerInPoint) == 8 * 15 &&
                  offsetof(AEGP_LayerSuite7, AEGP_GetLayerDuration) == 8 * 16,
              "AEGP_LayerSuite7 slots");
static_assert(sizeof(AEGP_CompSuite8) == 296, "AEGP_CompSuite8 size");
static_assert(offsetof(AEGP_CompSuite8, AEGP_GetCompFrameDuration) == 8 * 31,
              "frame duration is the 32nd operation");
static_assert(sizeof(AEGP_EffectSuite3) == 136, "AEGP_EffectSuite3 size");
static_assert(offsetof(AEGP_EffectSuite3, AEGP_SetEffectFlags) == 8 * 5 &&
                  offsetof(AEGP_EffectSuite3, AEGP_DisposeEffect) == 8 * 8 &&
                  offsetof(AEGP_EffectSuite3, AEGP_ApplyEffect) == 8 * 9 &&
                  offsetof(AEGP_EffectSuite3, AEGP_GetNumInstalledEffects) == 8 * 11 &&
                  offsetof(AEGP_EffectSuite3, AEGP_GetEffectMatchName) == 8 * 14,
              "AEGP_EffectSuite3 slots");
static_assert(sizeof(AEGP_StreamSuite4) == 176, "AEGP_StreamSuite4 size");
static_assert(offsetof(AEGP_StreamSuite4, AEGP_GetNewEffectStreamByIndex) == 8 * 5 &&
                  offsetof(AEGP_StreamSuite4, AEGP_DisposeStream) == 8 * 7 &&
                  offsetof(AEGP_StreamSuite4, AEGP_GetStreamName) == 8 * 8 &&
                  offsetof(AEGP_StreamSuite4, AEGP_GetNewStreamValue) == 8 * 13 &&
                  offsetof(AEGP_StreamSuite4, AEGP_SetStreamValue) == 8 * 15,
              "AEGP_StreamSuite4 slots");
static_assert(sizeof(AEGP_DynamicStreamSuite4) == 208, "AEGP_DynamicStreamSuite4 size");
static_assert(offsetof(AEGP_DynamicStreamSuite4, AEGP_SetStreamName) == 8 * 12 &&
                  offsetof(AEGP_DynamicStreamSuite4, AEGP_GetNewParentStreamRef) == 8 * 16,
              "AEGP_DynamicStreamSuite4 slots");
static_assert(sizeof(AEGP_MemorySuite1) == 64, "AEGP_MemorySuite1 size");
static_assert(offsetof(AEGP_MemorySuite1, AEGP_FreeMemHandle) == 8 * 1 &&
                  offsetof(AEGP_MemorySuite1, AEGP_GetMemHandleSize) == 8 * 4,
              "AEGP_MemorySuite1 slots");
static_assert(sizeof(AEGP_KeyframeSuite4) == 160, "AEGP_KeyframeSuite4 size");
static_assert(offsetof(AEGP_KeyframeSuite4, AEGP_DeleteKeyframe) == 8 * 3 &&
                  offsetof(AEGP_KeyframeSuite4, AEGP_StartAddKeyframes) == 8 * 16 &&
                  offsetof(AEGP_KeyframeSuite4, AEGP_EndAddKeyframes) == 8 * 19,
              "AEGP_KeyframeSuite4 slots");
