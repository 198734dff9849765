' Has Photoshop stack the layers of the sketch exported last: starts Photoshop (or finds it
' running) and runs StackSketchLayers.jsx, which lies beside this script.
Option Explicit

Dim files, script, photoshop
Set files = CreateObject("Scripting.FileSystemObject")
script = files.BuildPath(files.GetParentFolderName(WScript.ScriptFullName), "StackSketchLayers.jsx")
If Not files.FileExists(script) Then
    WScript.Echo "The Photoshop script is missing: " & script
    WScript.Quit 1
End If

On Error Resume Next
Set photoshop = CreateObject("Photoshop.Application")
If Err.Number <> 0 Then
    WScript.Echo "Photoshop cannot be started: " & Err.Description
    WScript.Quit 2
End If
On Error GoTo 0

photoshop.BringToFront
photoshop.DoJavaScriptFile script
