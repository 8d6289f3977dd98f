<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>檢查(&amp;C)...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>您的變更會使印表機的傳真通訊錄出現以下問題。是否仍要寫入？</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>顯示的傳真通訊錄有以下問題：</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>顯示的傳真通訊錄沒有問題。</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>編號</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>傳送者</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>拒收 %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>成員 %1 是空白的編號。</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>號碼 %1 位於編號 %2。</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>此群組沒有成員。</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>印表機不接受名稱「%1」。</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>印表機不接受號碼「%1」。</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>號碼 %1 位於拒收號碼 %2。</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>僅顯示名稱或號碼包含此文字的項目</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>名稱或號碼</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>尋找(&amp;F)：</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>檢查</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>仍要寫入(&amp;W)</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
</TS>
