[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"client.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<tests/clientUtils>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
[cc.main.begin] mainclass=<tests/client>
[cc.create.struct] split_module=<Bank> split_class=<Account> uspmodule=<Bank> javamodsep=<.> interface_name=<Bank.Account> uinterface=<Bank_Account> server_identifier=<acct> leftarg=<g_acct>
[cc.serve] host_name=<hostA> server_name=<BankSrv> server_filename=<$TMP/server>
[cc.test.begin] testnum=<1>
[cc.set] leftarg=<balance> value=< 100>
[cc.if] condexp=<[cc.conditional.number] leftarg=<balance> rightarg=<100> comparison=<==>
>
[cc.println] value=< "ok">
[cc.else]
[cc.fail]
[cc.end.if]
[cc.test.end]
[cc.main.end] mainclass=<tests/client>
[cc.class.end]
[cc.end]
